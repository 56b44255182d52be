# Installs the build into a staging folder (DESTDIR, prefix /usr, as the Debian package does)
# and checks the tree: every file in place, the desktop entry and the AppStream metadata
# valid, the manual page read by man without warnings, and the installed `quenaro` finding
# its window program for `render`.
#   cmake -DBUILD_DIR=<build> -DSTAGE=<folder> -DAPP_ID=<id> -DVERSION=<x.y.z>
#         -P InstallTreeCheck.cmake

# Runs a command; fails the check with its output when it fails or prints a warning.
function(run_clean)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT status EQUAL 0 OR err MATCHES "warning|error" OR out MATCHES "warning|error|hint")
        message(FATAL_ERROR "${ARGN} (${status}):\n${out}${err}")
    endif()
endfunction()

file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
# Every file is of the one component Unspecified; naming it makes the install write its list
# to install_manifest_Unspecified.txt, so that install_manifest.txt, which `make uninstall`
# reads, stays that of the user's own install.
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                        --component Unspecified
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
set(root ${STAGE}/usr)

set(expected bin/quenaro libexec/quenaro/quenaro-window share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/man/man1/quenaro.1.gz)
foreach(size 16 24 32 48 64 128 256 512)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${root}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
# Nothing else: no test program, no library, no header.
file(GLOB_RECURSE installed RELATIVE ${root} ${root}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed files differ: ${installed}")
endif()

# The PNGs have their size.
file(READ ${root}/share/icons/hicolor/48x48/apps/${APP_ID}.png header LIMIT 24 HEX)
if(NOT header MATCHES "^89504e47.*0000003000000030$")
    message(FATAL_ERROR "the 48x48 icon is not a 48x48 PNG: ${header}")
endif()

run_clean(desktop-file-validate ${root}/share/applications/${APP_ID}.desktop)
run_clean(appstreamcli validate --no-net --strict ${root}/share/metainfo/${APP_ID}.metainfo.xml)
file(READ ${root}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
string(FIND "${metainfo}" "<release version=\"${VERSION}\"" release)
if(release EQUAL -1)
    message(FATAL_ERROR "the metadata lists no release ${VERSION}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E env MANWIDTH=100 --unset=MAN_KEEP_FORMATTING
                        man --warnings -l ${root}/share/man/man1/quenaro.1.gz
                RESULT_VARIABLE status OUTPUT_VARIABLE page ERROR_VARIABLE warnings)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "man: ${warnings}")
endif()
foreach(text "\nNAME\n" "\nSYNOPSIS\n" "\nDESCRIPTION\n" "\nSUBCOMMANDS\n" "\nEXIT STATUS\n"
        "\nFILES\n" "Usage: quenaro places " "Usage: quenaro position " "Usage: quenaro report "
        "Usage: quenaro sheet " "Usage: quenaro render " "Usage: quenaro convert ")
    string(FIND "${page}" "${text}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the manual page lacks \"${text}\":\n${page}")
    endif()
endforeach()

# The installed program finds its window program beside its bin folder.
execute_process(COMMAND ${root}/bin/quenaro render orrery --size 16x16 --scale 1
                        -o ${STAGE}/orrery.png
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT EXISTS ${STAGE}/orrery.png)
    message(FATAL_ERROR "the installed program's render failed: ${err}")
endif()
file(REMOVE_RECURSE ${STAGE})
