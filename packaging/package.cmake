# A Debian package made by CPack: `cpack -G DEB` in a build folder. Its library dependencies
# are worked out by dpkg-shlibdeps from what the executable and its modules link. With the manual
# page, the copyright file and the changelog below it is a package lintian finds no error in.
set(CPACK_PACKAGE_NAME zv-tamsilo)
set(CPACK_PACKAGE_VENDOR "Zelvara Softwares")
set(CPACK_PACKAGE_CONTACT "Zelvara Softwares <support@zelvara.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find out your natural body shape")
# Lines of at most 80 characters, as the package's control file wants them.
set(CPACK_PACKAGE_DESCRIPTION [[
ZV Tamsilo asks four questions about where on the body you would like
to change, find it hard to lose, are thinnest and put on weight, and
tells you which of four natural body shapes you have: Ruler, Hourglass,
Spoon or Cone. The results page shows its silhouette, advice on exercise
and well-known people of that shape.]])
set(CPACK_PACKAGE_HOMEPAGE_URL "http://tamsilo.zelvara.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories made on install are 0755 whatever the umask of whoever builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The menu entry's category is Education.
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# My History is kept through Qt SQL's SQLite driver, a plugin that no library names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6sql6-sqlite)
# Fails the package rather than leave its dependencies out when dpkg-shlibdeps is missing.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack-checks.cmake)
# Qt's own texts (Yes/No, the file and print dialogs) in the language the program shows; without
# it they stay in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

if(UNIX AND NOT APPLE)
    # The installed program finds Qt where the system keeps it. Qt's project setup would give
    # it library search paths of its own ($ORIGIN), which a Debian package must not have.
    set_target_properties(zv-tamsilo PROPERTIES INSTALL_RPATH "")

    # The manual page and the changelog are installed compressed, as Debian wants them: at the
    # highest level and without a time stamp, so that every build makes the same bytes.
    set(man_page ${CMAKE_CURRENT_BINARY_DIR}/zv-tamsilo.1.gz)
    set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
    add_custom_command(OUTPUT ${man_page}
        COMMAND gzip -9n < ${CMAKE_CURRENT_LIST_DIR}/zv-tamsilo.1 > ${man_page}
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/zv-tamsilo.1)
    add_custom_command(OUTPUT ${changelog}
        COMMAND gzip -9n < ${CMAKE_CURRENT_LIST_DIR}/changelog > ${changelog}
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
    add_custom_target(compressed_docs ALL DEPENDS ${man_page} ${changelog})

    install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/zv-tamsilo)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${changelog} DESTINATION ${doc_dir})
endif()

if(WIN32)
    set(CPACK_GENERATOR ZIP)
else()
    set(CPACK_GENERATOR DEB)
endif()
include(CPack)
