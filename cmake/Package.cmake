# The Debian package (make package: cpack -G DEB in build/release): what cmake --install puts
# under /usr, with the shared libraries' packages found by dpkg-shlibdeps and the packages
# used without linking declared here.
set(CPACK_PACKAGE_NAME quenaro)
set(CPACK_PACKAGE_VENDOR "Quenaro")
set(CPACK_PACKAGE_CONTACT "Quenaro developers <developers@quenaro.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pocket sky almanac")
set(CPACK_PACKAGE_DESCRIPTION [=[Quenaro shows the sky of your place and moment: the Sun, the Moon and the planets on a
dial with the zodiac, the star chart, the day's timeline of twilight, rises and sets, the
planetary hours and an almanac sheet. It has an astrolabe calculator, and a command line
that prints the almanac as text or JSON and draws the views to PNG or PDF.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Read at run time: the zone database (zone rules and the zones' principal places) and the
# views' font; recommended, the location service's plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6positioning6-plugins")
include(CPack)
