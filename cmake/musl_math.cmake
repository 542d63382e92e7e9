# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# The rules' trigonometry comes from musl's libm on every system: glibc's and
# the Windows runtime's sinf, cosf and atan2f differ in the last bit, and a
# replay would end differently. On Linux its functions are taken from
# Debian's musl-dev, renamed so they stand beside glibc's; the Windows build
# compiles the same musl release's files (scripts/windows.sh).
# One line: scripts/windows.sh reads it.
set(MUSL_MATH_FUNCTIONS sinf cosf atan2f hypotf atanf floor scalbn __sindf __cosdf __rem_pio2f __rem_pio2_large)
set(MUSL_MATH_PREFIX vortimbal_musl_)

if(WIN32)
  find_library(MUSL_MATH_LIBRARY vortimbal_musl_math REQUIRED)
else()
  find_file(MUSL_LIBC libc.a PATHS /usr/lib/x86_64-linux-musl /usr/lib/musl/lib NO_DEFAULT_PATH
    REQUIRED)
  find_program(OBJCOPY_PROGRAM objcopy REQUIRED)
  set(folder ${PROJECT_BINARY_DIR}/musl_math)
  set(MUSL_MATH_LIBRARY ${folder}/libvortimbal_musl_math.a)
  set(renames)
  foreach(function IN LISTS MUSL_MATH_FUNCTIONS)
    list(APPEND renames --redefine-sym ${function}=${MUSL_MATH_PREFIX}${function})
  endforeach()
  set(commands)
  foreach(function IN LISTS MUSL_MATH_FUNCTIONS)
    list(APPEND commands COMMAND ${OBJCOPY_PROGRAM} ${renames} ${function}.lo)
  endforeach()
  list(TRANSFORM MUSL_MATH_FUNCTIONS APPEND .lo OUTPUT_VARIABLE objects)
  file(MAKE_DIRECTORY ${folder})
  add_custom_command(OUTPUT ${MUSL_MATH_LIBRARY}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${MUSL_MATH_LIBRARY}
    COMMAND ${CMAKE_AR} x ${MUSL_LIBC} ${objects}
    ${commands}
    COMMAND ${CMAKE_AR} rcs ${MUSL_MATH_LIBRARY} ${objects}
    WORKING_DIRECTORY ${folder}
    DEPENDS ${MUSL_LIBC} VERBATIM)
  add_custom_target(musl_math DEPENDS ${MUSL_MATH_LIBRARY})
endif()
