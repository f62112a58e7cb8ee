# The Debian package, made by `cpack -G DEB` in the build folder (make
# package). dpkg-shlibdeps reads its dependencies from the programs; only the
# window system plugin, which the toolkit loads at run time, has to be named.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rivurido)
set(CPACK_PACKAGE_CONTACT "Rivurido developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "doorway page builder")
set(CPACK_PACKAGE_DESCRIPTION "\
Rivurido writes doorway pages: small HTML pages of a fixed layout that carry
a site's title, keywords and description and link to the site. Its window
takes the four values and shows the page's HTML, ready to be copied or saved;
the command rivurido-page writes the same page from a script.")
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_STRIP_FILES ON)
include(CPack)
