# ERFA for the WebAssembly build, from Debian's own source package: `apt-get source` fetches
# and unpacks the source of erfa at the version of the liberfa-dev installed natively (the
# same routines on both sides) into the build folder, once; scripts/install-deps configures
# Debian's source list. Only the C files of the routines the precise source's apparent place
# calls (src/precise/ApparentPlace.cpp) and of the routines they call are compiled, into the
# static library the precise source links as PkgConfig::ERFA, the name pkg-config gives ERFA
# natively. Included by cmake/Web.cmake, after the project's warning options.

enable_language(C)

find_program(QUENARO_APT_GET apt-get REQUIRED)
find_program(QUENARO_DPKG_QUERY dpkg-query REQUIRED)
execute_process(
    COMMAND ${QUENARO_DPKG_QUERY} --showformat=\${source:Version} --show liberfa-dev
    OUTPUT_VARIABLE quenaro_erfa_version
    RESULT_VARIABLE quenaro_erfa_query
    ERROR_QUIET)
if(NOT quenaro_erfa_query EQUAL 0 OR quenaro_erfa_version STREQUAL "")
    message(FATAL_ERROR "liberfa-dev is not installed: scripts/install-deps installs it")
endif()
# The folder dpkg-source unpacks into: erfa-<upstream version> (no epoch, no Debian revision).
string(REGEX REPLACE "^[0-9]+:" "" quenaro_erfa_upstream ${quenaro_erfa_version})
string(REGEX REPLACE "-[^-]*$" "" quenaro_erfa_upstream ${quenaro_erfa_upstream})

set(quenaro_erfa_download ${CMAKE_BINARY_DIR}/erfa-source/${quenaro_erfa_version})
set(quenaro_erfa_source ${quenaro_erfa_download}/erfa-${quenaro_erfa_upstream}/src)
if(NOT EXISTS ${quenaro_erfa_source}/erfa.h)
    file(REMOVE_RECURSE ${quenaro_erfa_download})
    file(MAKE_DIRECTORY ${quenaro_erfa_download})
    execute_process(
        COMMAND ${QUENARO_APT_GET} source --only-source erfa=${quenaro_erfa_version}
        WORKING_DIRECTORY ${quenaro_erfa_download}
        OUTPUT_VARIABLE quenaro_erfa_output
        ERROR_VARIABLE quenaro_erfa_output
        RESULT_VARIABLE quenaro_erfa_fetched)
    if(NOT quenaro_erfa_fetched EQUAL 0 OR NOT EXISTS ${quenaro_erfa_source}/erfa.h)
        message(FATAL_ERROR
            "apt-get source erfa=${quenaro_erfa_version} did not give ${quenaro_erfa_source}: "
            "Debian's source list must be configured (scripts/install-deps does it).\n"
            "${quenaro_erfa_output}")
    endif()
endif()
message(STATUS "ERFA for WebAssembly: Debian source package erfa ${quenaro_erfa_version}")

# eraAb, eraAnp, eraC2s, eraIr, eraLd, eraNut00b, eraPm, eraPn06, eraRx, eraRxp, and what they
# call.
set(quenaro_erfa_routines
    ab anp c2s cp cr fw2m ir ld nut00b obl06 pdp pfw06 pm pn06 pxp rx rxp rxr rz tr)
list(TRANSFORM quenaro_erfa_routines PREPEND ${quenaro_erfa_source}/ OUTPUT_VARIABLE
     quenaro_erfa_files)
list(TRANSFORM quenaro_erfa_files APPEND .c)
add_library(quenaro_erfa STATIC ${quenaro_erfa_files})
target_include_directories(quenaro_erfa SYSTEM PUBLIC ${quenaro_erfa_source})
add_library(PkgConfig::ERFA ALIAS quenaro_erfa)
