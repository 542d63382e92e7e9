# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# What an install holds beside the game and its data: the menu entry, icons,
# manual page, AppStream metadata and the copyright; and the Debian package.

# The day this version came out, for the AppStream release and the changelog.
set(VORTIMBAL_RELEASE_DATE 2026-12-07)
set(VORTIMBAL_MAINTAINER "Vortimbal 3 maintainers <maintainers@users.noreply.c-seed-756566c7.example>")
# Placeholders of the documentation domain until the game has a home of its
# own; AppStream wants a reverse-DNS id and a web address for the screenshot.
set(VORTIMBAL_HOMEPAGE https://vortimbal3.example.org/)
set(VORTIMBAL_ID org.example.vortimbal3)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(made ${PROJECT_BINARY_DIR}/packaging)

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
# Every icon is the one picture drawn at its size, so they cannot drift apart.
set(icon_sizes 48 64 128 256)

# Every folder an install puts files in. Before any file goes in, the install
# notes which of them and their parents do not exist yet: uninstall removes
# those alone, never a folder the system or the player had made.
set(install_folders ${VORTIMBAL_BINDIR} ${VORTIMBAL_DATADIR}/obj ${VORTIMBAL_DATADIR}/bmp
  ${VORTIMBAL_DATADIR}/sounds ${CMAKE_INSTALL_DATADIR}/applications
  ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps ${CMAKE_INSTALL_MANDIR}/man6
  ${CMAKE_INSTALL_DATADIR}/metainfo ${CMAKE_INSTALL_DATADIR}/doc/vortimbal3)
foreach(size IN LISTS icon_sizes)
  list(APPEND install_folders ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
set(made_folders ${PROJECT_BINARY_DIR}/install_folders.txt)
install(CODE "set(folders \"${install_folders}\")
  set(made_list \"${made_folders}\")
  include(\"${packaging}/note_folders.cmake\")")
set(extras)
foreach(size IN LISTS icon_sizes)
  set(icon ${made}/icons/${size}/vortimbal3.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${made}/icons/${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${PROJECT_SOURCE_DIR}/data/vortimbal3.svg
    DEPENDS ${PROJECT_SOURCE_DIR}/data/vortimbal3.svg VERBATIM)
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  list(APPEND extras ${icon})
endforeach()

execute_process(COMMAND date -u -R -d ${VORTIMBAL_RELEASE_DATE}
  OUTPUT_VARIABLE VORTIMBAL_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${packaging}/vortimbal3.6.in ${made}/vortimbal3.6 @ONLY)
configure_file(${packaging}/changelog.in ${made}/changelog @ONLY)
configure_file(${packaging}/vortimbal3.metainfo.xml.in ${made}/${VORTIMBAL_ID}.metainfo.xml @ONLY)
# Debian wants both compressed, and alike from build to build (-n: no name or time).
foreach(file vortimbal3.6 changelog)
  add_custom_command(OUTPUT ${made}/${file}.gz
    COMMAND gzip -9n -c ${made}/${file} > ${made}/${file}.gz
    DEPENDS ${made}/${file})
  list(APPEND extras ${made}/${file}.gz)
endforeach()
# The play command builds only the game, and its install needs these too.
add_custom_target(install_extras DEPENDS ${extras})
add_dependencies(vortimbal3 install_extras)

install(FILES data/vortimbal3.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/vortimbal3.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${made}/vortimbal3.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${made}/${VORTIMBAL_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/copyright ${made}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vortimbal3)

# Removes what the last install put in place, and the folders it left empty.
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -D MANIFEST=${PROJECT_BINARY_DIR}/install_manifest.txt
    -D MADE=${made_folders} -P ${packaging}/uninstall.cmake VERBATIM)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vortimbal3)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PACKAGE_CONTACT ${VORTIMBAL_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
  GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "3D action game: save the city's citizens from the bad guys")
set(CPACK_PACKAGE_DESCRIPTION "Vortimbal 3 is a small real-time 3D action game for one player.
Each level red bad guys drop from the sky into a square city, chase its
fifty citizens and shoot. Walk the streets and shoot along your line of
sight: a level is cleared when no bad guy is left, and the game is over
when no citizen is.

It plays with the keyboard or a gamepad, keeps the ten best games, records
and replays games, and draws with OpenGL 1.1, fast enough on a software
renderer.")
include(CPack)
