# Installing the game and packing it for Debian.
#
#   cmake --install build [--prefix /usr]       (DESTDIR stages it)
#   cd build && cpack -G DEB                     -> jigsy_<version>_<arch>.deb
#
# The program goes to bin/ (JIGSY_INSTALL_BINDIR; the Debian package puts it
# in games/) and everything it reads to share/jigsy/; the program finds that
# folder relative to itself, so no install path is compiled in and a staged
# tree runs as it is.  The desktop gets a menu entry, icons in the hicolor
# theme, the saved-game type for *.jgy and the software centre's
# description; the manual page, the copyright and the changelog go where
# Debian keeps them.  The player's own files are never installed: an
# installed game keeps them under the player's XDG folders.

set(JIGSY_VERSION ${PROJECT_VERSION})
# The desktop entry's and the metainfo's id, in reverse-DNS form as the
# desktops expect; replace with a domain of the project's own once it has
# one (".local" claims nobody's).
set(JIGSY_APP_ID "local.jigsy.Jigsy" CACHE STRING "Reverse-DNS id of the desktop entry and the metainfo")
set(JIGSY_MAINTAINER "Jigsy developers <jigsy@jigsy.invalid>" CACHE STRING
  "The package's maintainer, as \"Name <address>\"")
set(JIGSY_HOMEPAGE "" CACHE STRING "The game's web page (none when empty)")
set(JIGSY_SCREENSHOT_URL "" CACHE STRING
  "Where the software centre finds the game's screenshot (none when empty)")
set(JIGSY_INSTALL_BINDIR bin CACHE STRING "Where cmake --install puts the program, under the prefix")
target_compile_definitions(jigsy PRIVATE JIGSY_APP_ID="${JIGSY_APP_ID}" JIGSY_VERSION="${JIGSY_VERSION}")

# The cuts the new-game dialog offers, as the descriptions name them.
set(JIGSY_CUTS 35 187 384 600 1000 2016)
list(POP_BACK JIGSY_CUTS _jigsy_last_cut)
list(JOIN JIGSY_CUTS ", " _jigsy_cuts)
set(JIGSY_CUTS_EN "${_jigsy_cuts} or ${_jigsy_last_cut}")
set(JIGSY_CUTS_RU "${_jigsy_cuts} или ${_jigsy_last_cut}")

# The release is the changelog's top entry: its version must be the
# project's, and its date is the release date of the metainfo and the
# manual page.
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog.in _jigsy_changelog)
list(GET _jigsy_changelog 0 _jigsy_top)
if(NOT _jigsy_top MATCHES "^jigsy \\(${JIGSY_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog.in: the top entry is not version ${JIGSY_VERSION}")
endif()
foreach(_line IN LISTS _jigsy_changelog)
  if(_line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    set(_jigsy_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND _jigsy_months ${CMAKE_MATCH_2} _month)
    math(EXPR _month "${_month} + 1" OUTPUT_FORMAT DECIMAL)
    if(_month LESS 10)
      set(_month 0${_month})
    endif()
    set(JIGSY_RELEASE_DATE "${CMAKE_MATCH_3}-${_month}-${CMAKE_MATCH_1}")
    break()
  endif()
endforeach()
if(NOT JIGSY_RELEASE_DATE)
  message(FATAL_ERROR "packaging/changelog.in: the top entry has no date")
endif()

# The metainfo's optional parts: written only when there is something to name.
set(JIGSY_METAINFO_URLS "")
if(JIGSY_HOMEPAGE)
  string(APPEND JIGSY_METAINFO_URLS "  <url type=\"homepage\">${JIGSY_HOMEPAGE}</url>\n")
endif()
set(JIGSY_METAINFO_SCREENSHOTS "")
if(JIGSY_SCREENSHOT_URL)
  string(CONCAT JIGSY_METAINFO_SCREENSHOTS
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>A game in progress</caption>\n"
    "      <caption xml:lang=\"ru\">Игра в разгаре</caption>\n"
    "      <image>${JIGSY_SCREENSHOT_URL}</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()

set(JIGSY_SHARE share/jigsy)
install(TARGETS jigsy RUNTIME DESTINATION ${JIGSY_INSTALL_BINDIR})
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

# The manual pages, the changelog and the copyright, gzipped without a time
# stamp where Debian wants them so.
set(JIGSY_DOC share/doc/jigsy)
configure_file(${CMAKE_SOURCE_DIR}/packaging/jigsy.6.in ${CMAKE_BINARY_DIR}/packaging/en/jigsy.6 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/jigsy.ru.6.in ${CMAKE_BINARY_DIR}/packaging/ru/jigsy.6 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
set(_jigsy_gzipped)
foreach(_plain en/jigsy.6 ru/jigsy.6 changelog)
  set(_gz ${CMAKE_BINARY_DIR}/packaging/${_plain}.gz)
  add_custom_command(OUTPUT ${_gz}
    COMMAND gzip -9n -c ${CMAKE_BINARY_DIR}/packaging/${_plain} > ${_gz}
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/${_plain} VERBATIM)
  list(APPEND _jigsy_gzipped ${_gz})
endforeach()
add_custom_target(jigsy_docs ALL DEPENDS ${_jigsy_gzipped})
install(FILES ${CMAKE_BINARY_DIR}/packaging/en/jigsy.6.gz DESTINATION share/man/man6)
install(FILES ${CMAKE_BINARY_DIR}/packaging/ru/jigsy.6.gz DESTINATION share/man/ru/man6)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
  DESTINATION ${JIGSY_DOC})

# The Debian package.  Library dependencies come from dpkg-shlibdeps; the
# menu, icon and MIME caches are refreshed by the triggers that
# desktop-file-utils, hicolor-icon-theme and shared-mime-info hold on the
# folders installed into, so no maintainer script is needed.
set(CPACK_PACKAGE_NAME jigsy)
set(CPACK_PACKAGE_VERSION ${JIGSY_VERSION})
set(CPACK_PACKAGE_VENDOR "Jigsy")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "jigsaw puzzles from your own pictures, in Russian")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Pick a picture (an installed photo or any JPEG or BMP of your own), cut\n"
  "it into ${JIGSY_CUTS_EN} shaped pieces,\n"
  "upright or turned, and put it together again on the table. Pieces snap\n"
  "to their neighbours and joined groups move as one; a clock runs until\n"
  "the last piece joins.\n"
  "\n"
  "Zoom and pan over a large table, the whole picture on the box lid, edge\n"
  "pieces only, a pause, and the ten best times of each picture. A game\n"
  "left unfinished comes back at the next start, and saved games open from\n"
  "the file manager. The game speaks Russian.")
set(CPACK_PACKAGE_CONTACT "${JIGSY_MAINTAINER}")
if(JIGSY_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${JIGSY_HOMEPAGE}")
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Russian texts, the fonts the windows name, and software OpenGL for
# machines without a driver of their own.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2, libgl1-mesa-dri")
# A game of the package lives in games/, as Debian keeps them.
configure_file(${CMAKE_SOURCE_DIR}/cmake/PackageGames.cmake.in ${CMAKE_BINARY_DIR}/packaging/PackageGames.cmake @ONLY)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_BINARY_DIR}/packaging/PackageGames.cmake)
include(CPack)
