# Read by cpack before it builds the Debian package: adds the libraries the program and its
# plugins for music, printing and charts use to the package's dependencies, computed by
# dpkg-shlibdeps. The Writer plugin is left out on purpose: its office libraries come with
# LibreOffice, which is only recommended, and without them the plugin simply does not load.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
# dpkg-shlibdeps wants a source package around the binaries it reads.
set(work ${CPACK_PACKAGE_DIRECTORY}/_CPack_Packages/shlibdeps)
file(WRITE ${work}/debian/control "Source: lumenfold\n\nPackage: lumenfold\nArchitecture: any\n")
set(binaries -e${CPACK_LUMENFOLD_PROGRAM})
foreach(plugin ${CPACK_LUMENFOLD_PLUGINS})
    list(APPEND binaries -e${plugin})
endforeach()
execute_process(COMMAND dpkg-shlibdeps -O ${binaries}
    WORKING_DIRECTORY ${work}
    OUTPUT_VARIABLE depends
    RESULT_VARIABLE failed
    ERROR_VARIABLE errors)
if(failed)
    message(FATAL_ERROR "dpkg-shlibdeps could not read ${CPACK_LUMENFOLD_PROGRAM}: ${errors}")
endif()
string(REGEX REPLACE "^shlibs:Depends=([^\n]*).*" "\\1" depends "${depends}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${depends}")
