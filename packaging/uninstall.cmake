# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Run by the uninstall target: removes every file the install manifest lists,
# then each folder left empty, up to the prefix the install went to (found
# from the game's own place, since --prefix may differ from the build's).
file(STRINGS "${MANIFEST}" files)
foreach(file IN LISTS files)
  if(file MATCHES "^(.*)/${BINDIR}/vortimbal3$")
    set(prefix "${CMAKE_MATCH_1}")
  endif()
endforeach()
if(NOT DEFINED prefix)
  message(FATAL_ERROR "${MANIFEST} lists no game: nothing to uninstall")
endif()
foreach(file IN LISTS files)
  file(REMOVE "${file}")
  cmake_path(GET file PARENT_PATH folder)
  while(IS_DIRECTORY "${folder}" AND NOT folder STREQUAL prefix)
    cmake_path(IS_PREFIX prefix "${folder}" NORMALIZE inside)
    if(NOT inside)
      break()
    endif()
    file(GLOB left "${folder}/*" "${folder}/.*")
    if(left)
      break()
    endif()
    file(REMOVE_RECURSE "${folder}")
    cmake_path(GET folder PARENT_PATH folder)
  endwhile()
endforeach()
