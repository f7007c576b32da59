# The Debian package of the installation (cmake/Install.cmake): run
# "cpack -G DEB" in a build tree, or ./package.sh for a Release package in
# dist/. Depends is computed from the shared libraries the programs link.
set(LIR_PACKAGE_MAINTAINER "Orvek <info@orvek.ru>"
    CACHE STRING "Maintainer field of the Debian package")

# What Debian wants beside the programs, in /usr/share/doc/PACKAGE: the
# copyright in the machine-readable format and the changelog, whose newest
# entry is this version, dated as the release (packaging/changelog.in: on a
# new version, write the entry's placeholders of the old one out as text and
# put a new entry on top).
set(lir_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/lir-settings-editor)
execute_process(COMMAND date -u -R -d ${LIR_RELEASE_DATE}
    OUTPUT_VARIABLE LIR_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
set(lir_changelog ${CMAKE_BINARY_DIR}/packaging/changelog)
configure_file(packaging/changelog.in ${lir_changelog} @ONLY)
add_custom_command(OUTPUT ${lir_changelog}.gz
    COMMAND gzip -9nkf ${lir_changelog}
    DEPENDS ${lir_changelog}
    VERBATIM)
add_custom_target(lir_changelog ALL DEPENDS ${lir_changelog}.gz)
install(FILES packaging/copyright DESTINATION ${lir_doc_dir})
install(FILES ${lir_changelog}.gz DESTINATION ${lir_doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lir-settings-editor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvek")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "settings editor of the ЛИР-1 and ЛИР-2 controllers")
# One line of the package description each.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A desktop editor for the settings documents of the ЛИР-1 and ЛИР-2"
    "industrial controllers: it builds its screens from the document, checks"
    "every entry, saves the document, reads it from the controller and writes"
    "it back over a serial line, and prints a report of the settings."
    "The package also holds lir-settings, which checks documents, writes"
    "reports and talks to the controller from the command line, and"
    "lir-controller-sim, which plays a controller on a pseudo-terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${LIR_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.orvek.ru/)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own Russian texts on the standard buttons and dialogs; without them the
# editor runs with English ones.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qttranslations5-l10n)

include(CPack)
