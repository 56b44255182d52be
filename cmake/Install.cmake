# Quenaro installed as a desktop program (cmake --install, make install, the Debian package):
# the executables (src/cli), the desktop entry and the AppStream metadata of packaging/, the
# application icon (the web app's, web/icons/icon.svg) as a scalable icon and as PNGs of the
# usual sizes rendered from it at build time, and the manual page quenaro(1) written at build
# time from the program's own help texts (cmake/ManPage.cmake).
include(GNUInstallDirs)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

set(icon_svg ${PROJECT_SOURCE_DIR}/web/icons/icon.svg)
set(desktop_outputs)
foreach(size 16 24 32 48 64 128 256 512)
    set(folder ${CMAKE_BINARY_DIR}/icons/${size}x${size})
    add_custom_command(OUTPUT ${folder}/${QUENARO_APP_ID}.png
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${folder}/${QUENARO_APP_ID}.png ${icon_svg}
        DEPENDS ${icon_svg} VERBATIM)
    list(APPEND desktop_outputs ${folder}/${QUENARO_APP_ID}.png)
    install(FILES ${folder}/${QUENARO_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The page is compressed, as Debian keeps manual pages.
set(man_page ${CMAKE_BINARY_DIR}/man/quenaro.1)
add_custom_command(OUTPUT ${man_page}.gz
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:quenaro> -DOUTPUT=${man_page}
            -DVERSION=${PROJECT_VERSION} -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
    COMMAND gzip -9nf ${man_page}
    DEPENDS quenaro quenaro-window ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake VERBATIM)
list(APPEND desktop_outputs ${man_page}.gz)
add_custom_target(quenaro_desktop_files ALL DEPENDS ${desktop_outputs})

install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${QUENARO_APP_ID}.svg)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${QUENARO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${QUENARO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
