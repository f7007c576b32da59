# The Debian package of the installation (cmake/Install.cmake): run
# "cpack -G DEB" in a build tree, or ./package.sh for a Release package in
# dist/. Depends is computed from the shared libraries the programs link.
set(LIR_PACKAGE_MAINTAINER "Orvek <info@orvek.ru>"
    CACHE STRING "Maintainer field of the Debian package")

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
