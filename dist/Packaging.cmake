# `cpack -G DEB` in a build folder makes ledfont_<version>_<arch>.deb from the install rules.
set(CPACK_PACKAGE_NAME ledfont)
set(CPACK_PACKAGE_VENDOR "the ledfont developers")
set(CPACK_PACKAGE_CONTACT "the ledfont developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "font editor and Intel HEX writer for a 16-row Devanagari LED sign")
set(CPACK_PACKAGE_DESCRIPTION
    "ledfont-editor draws the 16x16 bitmap font of a 16-row LED dot-matrix sign that shows Hindi
(Devanagari) text, in Hindi (128 glyphs) and Jukta512 (512 glyphs with conjunct pairs) fonts.
The command-line tool ledfont writes the Intel HEX image that programs the font into the sign's
controller, byte for byte what the editor writes, and checks and shows font files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The dependencies come from the libraries the programs link (dpkg-shlibdeps), so a Qt or C library
# of another Debian release gets the matching package names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
