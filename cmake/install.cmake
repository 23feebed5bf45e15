# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` (and `make install`) puts where: the game, its data
# folder (pictures, sounds, font and help page), the desktop entry, the
# AppStream metainfo, the icons and the manual page. The runner and the
# tools stay in the build tree.

include(GNUInstallDirs)

# The id of the game in the desktop's software catalogues.
set(ZEPHYRANT_APP_ID "io.github.zephyrant.Zephyrant")
# The day this version was released, for the metainfo's release list.
set(ZEPHYRANT_RELEASE_DATE "2026-12-07")

install(TARGETS zephyrant RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The data folder holds the asset folder's contents as the game loads them,
# and the help page beside them. The icons go to the icon theme instead.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zephyrant
        PATTERN "icons" EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/docs/help.html DESTINATION ${CMAKE_INSTALL_DATADIR}/zephyrant)

# The desktop's own folders stay under the data root even where the game's
# data goes elsewhere (Debian's share/games), or no desktop would look there.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons)

install(FILES ${CMAKE_SOURCE_DIR}/data/zephyrant.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)

configure_file(${CMAKE_SOURCE_DIR}/data/zephyrant.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/data/${ZEPHYRANT_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/data/${ZEPHYRANT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

configure_file(${CMAKE_SOURCE_DIR}/data/zephyrant.6.in ${CMAKE_BINARY_DIR}/data/zephyrant.6 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/data/zephyrant.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# `cmake --build . --target uninstall` (and `make uninstall`) removes every
# file the last install wrote, as listed in install_manifest.txt.
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
          -DDATA_DIR=${CMAKE_INSTALL_FULL_DATADIR}/zephyrant
          -P ${CMAKE_SOURCE_DIR}/cmake/uninstall.cmake
  COMMENT "Removing the installed game")
