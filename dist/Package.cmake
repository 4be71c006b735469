# The .deb packages, made by scripts/package.sh: "zor" (the programs) and "zor-data" (the pictures, packs
# and tunes, the same on every architecture). Library dependencies come from dpkg-shlibdeps; the packages
# the game opens by name at run time (fonts, the MIDI soundfont) are listed here.
set(CPACK_PACKAGE_NAME zor)
set(CPACK_PACKAGE_VENDOR "The ZOR developers")
set(CPACK_PACKAGE_CONTACT "${ZOR_PACKAGE_MAINTAINER}")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game data)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${ZOR_PACKAGE_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(package_version ${PROJECT_VERSION}-${ZOR_PACKAGE_REVISION})

set(CPACK_DEBIAN_GAME_PACKAGE_NAME zor)
set(CPACK_DEBIAN_GAME_PACKAGE_SHLIBDEPS ON)
get_property(runtime_depends GLOBAL PROPERTY ZOR_PACKAGE_DEPENDS)
list(PREPEND runtime_depends "zor-data (= ${package_version})" "fonts-liberation2 | fonts-liberation"
     fonts-comic-neue fonts-nanum timgm6mb-soundfont)
list(JOIN runtime_depends ", " CPACK_DEBIAN_GAME_PACKAGE_DEPENDS)
set(CPACK_COMPONENT_GAME_DESCRIPTION "find the five differences between two pictures
Two pictures stand side by side and differ in exactly five places. Player 1
searches the left picture with the mouse, player 2 the right picture with the
arrow keys and SPACE, both at once, against a shared time gauge. Ten lives
each, a card-pairing bonus stage after every fifth stage, a ten-place ranking,
a saved game, data packs of ten picture pairs each, and a Korean and an English
edition.
.
The package holds the game, its map editor, the pack generator and the archive
tool.")

set(CPACK_DEBIAN_DATA_PACKAGE_NAME zor-data)
set(CPACK_DEBIAN_DATA_PACKAGE_ARCHITECTURE all)
set(CPACK_COMPONENT_DATA_DESCRIPTION "pictures, data packs and music of the ZOR game
The pictures, sound effects, picture pairs and tunes of ZOR, a game of finding
the five differences between two pictures.")
include(CPack)
