# The .deb: `cpack -G DEB` in the build directory, after the build. Library dependencies come from
# dpkg-shlibdeps; the packages the game opens by name at run time (fonts, the MIDI soundfont) are listed here.
set(CPACK_PACKAGE_NAME zor)
set(CPACK_PACKAGE_VENDOR "The ZOR developers")
set(CPACK_PACKAGE_CONTACT "${ZOR_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find the five differences between two pictures")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}
Two pictures stand side by side and differ in exactly five places. Player 1
searches the left picture with the mouse, player 2 the right picture with the
arrow keys and SPACE, both at once, against a shared time gauge. Ten lives
each, a card-pairing bonus stage after every fifth stage, a ten-place ranking,
a saved game, data packs of ten picture pairs each, and Korean menus.
.
The package holds the game, its map editor, the pack generator and the archive
tool, with every picture, sound and tune the game needs.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
get_property(extra_depends GLOBAL PROPERTY ZOR_PACKAGE_DEPENDS)
list(PREPEND extra_depends "fonts-liberation2 | fonts-liberation" fonts-comic-neue fonts-nanum timgm6mb-soundfont)
list(JOIN extra_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
include(CPack)
