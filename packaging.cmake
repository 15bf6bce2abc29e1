# A Debian package made by CPack: `cpack -G DEB` in a build folder. Its library dependencies
# are worked out by dpkg-shlibdeps from what the executable links.
set(CPACK_PACKAGE_NAME zv-tamsilo)
set(CPACK_PACKAGE_VENDOR "Zelvara Softwares")
set(CPACK_PACKAGE_CONTACT "Zelvara Softwares <support@zelvara.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Find out your natural body shape")
set(CPACK_PACKAGE_DESCRIPTION
    "ZV Tamsilo asks four questions and tells you which of four natural body shapes you have, with its silhouette, advice on exercise and well-known people of that shape.")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://tamsilo.zelvara.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
else()
    set(CPACK_GENERATOR DEB)
endif()
include(CPack)
