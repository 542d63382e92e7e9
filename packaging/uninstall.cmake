# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Run by the uninstall target: removes every file the install manifest lists,
# then each folder left empty that the install made (as MADE lists them), up
# from the file. A folder that was there before the install stays.
cmake_policy(SET CMP0057 NEW)  # IN_LIST
file(STRINGS "${MANIFEST}" files)
if(NOT files)
  message(FATAL_ERROR "${MANIFEST} lists nothing: nothing to uninstall")
endif()
set(made)
if(EXISTS "${MADE}")
  file(STRINGS "${MADE}" made)
endif()
foreach(file IN LISTS files)
  file(REMOVE "${file}")
  cmake_path(GET file PARENT_PATH folder)
  while(IS_DIRECTORY "${folder}" AND folder IN_LIST made)
    file(GLOB left "${folder}/*" "${folder}/.*")
    if(left)
      break()
    endif()
    file(REMOVE_RECURSE "${folder}")
    cmake_path(GET folder PARENT_PATH folder)
  endwhile()
endforeach()
