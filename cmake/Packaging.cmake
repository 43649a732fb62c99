# What cmake --install puts where (the two programs, their desktop entry, file type, icon, AppStream
# description, manual pages and shell completion), and the Debian package of it that make package
# builds with CPack.
include(GNUInstallDirs)

# The editor's AppStream id: the metainfo file's name and its <id>.
set(VERTILOOM_APP_ID io.github.vertiloom.Vertiloom)

install(TARGETS vertiloom vertiloom-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The desktop entry and the file type, so that file managers offer the editor for *.smc.
install(FILES data/vertiloom.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/vertiloom-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vertiloom.xml)
install(FILES data/vertiloom.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/${VERTILOOM_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/vertiloom-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME vertiloom-cli)

# The manual pages get the version put in and are gzipped (without name or time, so that the same
# page gives the same bytes), as Debian keeps them.
find_program(VERTILOOM_GZIP gzip REQUIRED)
set(VERTILOOM_MAN_PAGES)
foreach(page vertiloom vertiloom-cli)
  set(page_file ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1)
  configure_file(data/man/${page}.1 ${page_file} @ONLY)
  add_custom_command(OUTPUT ${page_file}.gz
                     COMMAND ${VERTILOOM_GZIP} -9 -n -f -k ${page_file}
                     DEPENDS ${page_file}
                     COMMENT "Gzipping the manual page ${page}.1"
                     VERBATIM)
  list(APPEND VERTILOOM_MAN_PAGES ${page_file}.gz)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${VERTILOOM_MAN_PAGES})
install(FILES ${VERTILOOM_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The package's own documents, where Debian keeps them: the licence in the machine-readable copyright
# format (GPL-3.0-or-later; LICENSE at the root holds its text) and the Debian changelog, gzipped the
# same way as the manual pages. A new version gets a new entry at the changelog's top
# (scripts/check-package.sh checks that the newest entry is the package's version).
set(VERTILOOM_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog)
configure_file(data/doc/changelog ${VERTILOOM_CHANGELOG} COPYONLY)
add_custom_command(OUTPUT ${VERTILOOM_CHANGELOG}.gz
                   COMMAND ${VERTILOOM_GZIP} -9 -n -f -k ${VERTILOOM_CHANGELOG}
                   DEPENDS ${VERTILOOM_CHANGELOG}
                   COMMENT "Gzipping the Debian changelog"
                   VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${VERTILOOM_CHANGELOG}.gz)
install(FILES data/doc/copyright ${VERTILOOM_CHANGELOG}.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vertiloom)

# The Debian package: build/vertiloom_<version>_<arch>.deb. The libraries it needs are read from the
# programs (dpkg-shlibdeps); what they load at run time is named here: the SVG image plugin (the
# drawing board's tracing picture may be an SVG file) and the window's font. Debian's translations of
# Qt's own texts are for the Russian window.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vertiloom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tessarine Vertiloom")
set(CPACK_PACKAGE_CONTACT "Tessarine Vertiloom maintainers <maintainers@users.noreply.c-seed-3fa1b871.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the polygon letters of a game in its ROM image")
# The long description under the summary, in lines of Debian's width and paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
A desktop editor for the polygon-drawn letters of one console game. It opens
a cartridge ROM image, loads one letter record from a file offset, lets you
edit it as hex fields or with the mouse, and writes it back into the image,
into a letter file or as an SVG drawing. It also rewrites the in-game words
PAUSE and GAME OVER.

The command-line program vertiloom-cli runs the same commands without a
window: it describes an image, lists, draws, extracts and imports letters,
rewrites the words, and makes and applies patches.]])
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the programs link (Qt, zlib, Clipper: libpolyclipping22) come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# Play (F9) opens the edited image in an emulator; the first one it looks for is this one.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "mednafen")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
include(CPack)
