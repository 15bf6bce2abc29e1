# Read by cpack as it makes each package. The Debian package's library dependencies come from
# dpkg-shlibdeps, which CPack finds through `file`: without `file` CPack stops, but without
# dpkg-shlibdeps it only says so and writes a package that depends on nothing, which installs
# and then cannot start. Stop instead.
if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(TAMSILO_FILE file)
    find_program(TAMSILO_SHLIBDEPS dpkg-shlibdeps)
    if(NOT TAMSILO_FILE OR NOT TAMSILO_SHLIBDEPS)
        message(FATAL_ERROR "The Debian package needs `file` and `dpkg-shlibdeps` to list the "
                            "libraries it depends on: run scripts/install-deps package "
                            "(Debian's file and dpkg-dev).")
    endif()
endif()
