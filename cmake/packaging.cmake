# Debian package of the host, the plug-in, the help pages and the menu entry:
#   cpack -G DEB --config <build>/CPackConfig.cmake   (or: cd <build> && cpack -G DEB)
set(CPACK_PACKAGE_NAME "k4810-configurator")
set(CPACK_PACKAGE_VENDOR "K-4810 configurator developers")
set(CPACK_PACKAGE_CONTACT "K-4810 configurator developers <k4810@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Configuration plug-in of the K-4810 GPS/GSM vehicle tracker, with a stand-in host")
set(CPACK_PACKAGE_DESCRIPTION
    "The configuration plug-in (libk4810.so) of the K-4810 vehicle GPS/GSM tracker and\n\
k4810-host, a host application with a simulated tracker: edit and write the\n\
tracker's settings, read and export its telemetry, calibrate fuel sensors.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialog texts (buttons, file dialogs) in the interface language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://localhost/k4810")
set(CPACK_GENERATOR "DEB")
set(CPACK_STRIP_FILES ON)
include(CPack)
