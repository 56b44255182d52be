# The WebAssembly build of the core (QUENARO_WEB, emscripten's toolchain): its settings and the
# libraries it takes from the host, included by the top-level CMakeLists.txt.
#
# - C++ exceptions are WebAssembly exceptions (-fwasm-exceptions, compiling and linking): the
#   model catches its own exceptions (a polar day's NoRisesOrSetsCalculable).
# - Time zones come from Intl.DateTimeFormat (src/time/ZoneRulesIntl.cpp), not cctz; the star
#   catalogue from its generated table, not libplist.
# - The header-only libraries (Howard Hinnant's date, fast_float) are the host's Debian packages,
#   seen through a folder of links that holds them alone (the host's /usr/include itself must
#   stay out of a WebAssembly compilation).
# - GoogleTest is built from its source (Debian googletest, /usr/src/googletest); the ERFA
#   routines of the precise source from Debian's source package (cmake/WebErfa.cmake).
# - Test programs run under Node (NODE_PATH set, fetch off) with the host's file system
#   (-sNODERAWFS), so the tests read the source tree and the shared data as natively.

add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)

# Node runs the test programs (the emulator CTest and gtest_discover_tests put before them).
find_program(QUENARO_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR
    /usr/bin/env NODE_PATH=/usr/share/nodejs ${QUENARO_NODE} --no-experimental-fetch)

set(quenaro_host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${quenaro_host_headers})
foreach(header_folder date fast_float)
    find_path(quenaro_${header_folder}_parent ${header_folder} PATHS /usr/include
              NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    file(CREATE_LINK ${quenaro_${header_folder}_parent}/${header_folder}
         ${quenaro_host_headers}/${header_folder} SYMBOLIC)
endforeach()
add_library(quenaro_host_headers INTERFACE)
target_include_directories(quenaro_host_headers SYSTEM INTERFACE ${quenaro_host_headers})
add_library(date::date ALIAS quenaro_host_headers)
set(FAST_FLOAT_INCLUDE_DIR ${quenaro_host_headers})

if(QUENARO_TESTS)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    # Its targets come with the names find_package(GTest) gives (GTest::gtest, …).
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# Link options of the test programs: Node's file system, memory as needed, the exit status of
# main as the process's.
set(QUENARO_WEB_TEST_LINK_OPTIONS -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1)
