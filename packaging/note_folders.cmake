# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Run by every install before it puts a file in place: adds to `made_list` each
# of `folders` (under the install's prefix) and each of their parents that does
# not exist yet. Folders an earlier install made and left are kept in the list.
set(made)
if(EXISTS "${made_list}")
  file(STRINGS "${made_list}" earlier)
  foreach(folder IN LISTS earlier)
    if(IS_DIRECTORY "${folder}")
      list(APPEND made "${folder}")
    endif()
  endforeach()
endif()
foreach(folder IN LISTS folders)
  cmake_path(ABSOLUTE_PATH folder BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)
  set(path "$ENV{DESTDIR}${folder}")
  while(NOT EXISTS "${path}")
    list(APPEND made "${path}")
    cmake_path(GET path PARENT_PATH path)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES made)
list(JOIN made "\n" lines)
file(WRITE "${made_list}" "${lines}\n")
