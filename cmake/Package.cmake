# `cpack` in the build folder makes a Debian package of the installed files.
# Shared-library dependencies come from dpkg-shlibdeps; what the programs load
# at run time without linking it is named here: the SQLite driver, the
# multimedia and SVG plugins, GStreamer for voice notes, and the fonts the
# reports are measured in.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vitacor-browser)
set(CPACK_PACKAGE_VENDOR "Vitacor")
set(CPACK_PACKAGE_CONTACT "Vitacor Browser developers <support@vitacor.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "companion program of the Vitacor health monitors")
set(CPACK_PACKAGE_DESCRIPTION
    "Finds Vitacor health monitors on USB, downloads their measurements into a local record database,\n"
    "browses them by device, check type and user, and prints or exports reports (PDF, JPG, CSV, EDF+).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt5sql5-sqlite, libqt5svg5, libqt5multimedia5-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-noto-cjk, fonts-liberation2")
set(CPACK_STRIP_FILES ON)
include(CPack)
