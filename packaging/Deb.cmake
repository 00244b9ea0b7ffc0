# The Debian package: cpack -G DEB in the build folder writes tilora_<version>_<arch>.deb.

# The newest changelog entry is the version the program shows, or the package would lie about it.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS debian/changelog)
file(STRINGS debian/changelog sonKayit LIMIT_COUNT 1)
if(NOT sonKayit MATCHES "^tilora \\(${TILORA_VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog: the newest entry is not version ${TILORA_VERSION}")
endif()
tilora_gzip(${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tilora)
set(CPACK_PACKAGE_VERSION ${TILORA_VERSION})
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_CONTACT "Orvane <info@orvane.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.orvane.example)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# One package of everything, with the link both in games/, where Debian keeps the programs of
# games, and in bin/, so that it is on the PATH of root and of every user alike.
set(CPACK_COMPONENTS_ALL Unspecified bin_link games_link)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plug-ins at run time, where shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Qt's own texts (the standard buttons of the message boxes) in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sliding-tile photo puzzle")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Tilora cuts a photograph into 3 x 3, 4 x 4 or 5 x 5 tiles and deals them at
random with the bottom-right place empty; the player slides the tiles next to
the gap until the photo is whole again.

The game counts the clicks, runs a clock, plays short sounds, can show a small
sample of the whole photo and keeps an unfinished game for the next start.
Two sample photos come with it; any JPEG or BMP photo can be played, and any
picture file opened with the game from a file manager. It speaks English,
German and Turkish.
]])

include(CPack)
