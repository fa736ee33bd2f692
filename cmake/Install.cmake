# Installing the game and packing it for Debian.
#
#   cmake --install build [--prefix /usr]       (DESTDIR stages it)
#   cd build && cpack -G DEB                     -> jigsy_<version>_<arch>.deb
#
# The program goes to bin/ and everything it reads to share/jigsy/; the
# program finds that folder relative to itself, so no install path is
# compiled in and a staged tree runs as it is.  The desktop gets a menu
# entry, icons in the hicolor theme, the saved-game type for *.jgy and the
# software centre's description.  The player's own files are never
# installed: an installed game keeps them under the player's XDG folders.

set(JIGSY_VERSION 1.0.0)
# The desktop entry's and the metainfo's id, in reverse-DNS form as the
# desktops expect; replace with a domain of the project's own once it has
# one (".local" claims nobody's).
set(JIGSY_APP_ID "local.jigsy.Jigsy" CACHE STRING "Reverse-DNS id of the desktop entry and the metainfo")
set(JIGSY_SCREENSHOT_URL "https://jigsy.invalid/screenshots/game.png" CACHE STRING
  "Where the software centre finds the game's screenshot")
target_compile_definitions(jigsy PRIVATE JIGSY_APP_ID="${JIGSY_APP_ID}")

set(JIGSY_SHARE share/jigsy)
install(TARGETS jigsy RUNTIME DESTINATION bin)
# The piece shapes are generated into the build folder; the rest ships in assets/.
# The big cuts' shapes (PNG) stay out of the package: the game makes them
# on first use into the player's cache.
install(DIRECTORY ${JIGSY_PROGRAM_DIR}/Image DESTINATION ${JIGSY_SHARE} PATTERN "*.png" EXCLUDE)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/img ${CMAKE_SOURCE_DIR}/assets/BackGr ${CMAKE_SOURCE_DIR}/assets/SND
  DESTINATION ${JIGSY_SHARE})
install(FILES ${CMAKE_SOURCE_DIR}/assets/CREDITS DESTINATION ${JIGSY_SHARE})

install(FILES ${CMAKE_SOURCE_DIR}/packaging/jigsy.desktop DESTINATION share/applications
  RENAME ${JIGSY_APP_ID}.desktop)
install(DIRECTORY ${JIGSY_ICON_DIR}/ DESTINATION share/icons)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/jigsy-mime.xml DESTINATION share/mime/packages RENAME jigsy.xml)
configure_file(${CMAKE_SOURCE_DIR}/packaging/jigsy.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${JIGSY_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${JIGSY_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# The Debian package.  Library dependencies come from dpkg-shlibdeps; the
# menu, icon and MIME caches are refreshed by the triggers that
# desktop-file-utils, hicolor-icon-theme and shared-mime-info hold on the
# folders installed into, so no maintainer script is needed.
set(CPACK_PACKAGE_NAME jigsy)
set(CPACK_PACKAGE_VERSION ${JIGSY_VERSION})
set(CPACK_PACKAGE_VENDOR "Jigsy")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "jigsaw puzzles from your own pictures, in Russian")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Pick a picture (an installed one or any JPEG or BMP of your own), cut it into\n"
  "35 or 187 shaped pieces and put it together again on the table. Pieces snap\n"
  "to their neighbours and joined groups move as one; a clock runs until the\n"
  "last piece joins. Games can be saved and opened again from the desktop.\n"
  "The game speaks Russian.")
set(CPACK_PACKAGE_CONTACT "Jigsy developers <jigsy@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Russian texts, the fonts the windows name, and software OpenGL for
# machines without a driver of their own.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2, libgl1-mesa-dri")
include(CPack)
