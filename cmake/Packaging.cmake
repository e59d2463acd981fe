# Installation under /usr and the Debian package (scripts/package): the
# program and the clock stand-in with their manual pages, the delivered
# empty database and the help in share/tamrel, a desktop entry, its icons,
# AppStream metainfo, the copyright and changelog.
include(GNUInstallDirs)

install(TARGETS tamrel tamrel-clocksim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TAMREL_BIN_DIR}/tamreldata.mdb DESTINATION ${CMAKE_INSTALL_DATADIR}/tamrel)
install(FILES ${TAMREL_BIN_DIR}/Tamrel.chm DESTINATION ${CMAKE_INSTALL_DATADIR}/tamrel OPTIONAL)
install(DIRECTORY ${TAMREL_BIN_DIR}/help DESTINATION ${CMAKE_INSTALL_DATADIR}/tamrel)
install(FILES ${PROJECT_SOURCE_DIR}/resources/org.tamrel.Tamrel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/org.tamrel.Tamrel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${TAMREL_BIN_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons OPTIONAL)
configure_file(${PROJECT_SOURCE_DIR}/resources/org.tamrel.Tamrel.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/org.tamrel.Tamrel.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/org.tamrel.Tamrel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/man/tamrel.1.gz ${CMAKE_BINARY_DIR}/man/tamrel-clocksim.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 OPTIONAL)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tamrel)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME tamrel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tamrel)
set(CPACK_PACKAGE_VENDOR "Tamrel")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tamrel developers <developers@tamrel.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The first line is the summary; CPack indents the rest as the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "club database and race data for the Tamrel pigeon race clock
Tamrel is the desktop companion program of the Tamrel electronic clocking
system for pigeon races. A club secretary keeps the club's flyers, their
birds (band numbers, electronic rings, colours) and the season's liberation
points in it, and loads a flyer's birds and the liberation points into the
clock's memory module over a serial port or USB cable.

After a race it reads the arrival data from the memory module, saves it as a
race file or as the week's Ventaro race file, and shows, previews and prints
the race report with positions, owners and clocking times. It also brings in
the flyers and birds of the older DOS program.

Each user keeps a database of their own in ~/.local/share/Tamrel. The
package also holds tamrel-clocksim, a stand-in for the clock to try the
program without one.")
# The libraries the executables link, as the system packages them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The help opens in the browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_STRIP_FILES ON)
include(CPack)
