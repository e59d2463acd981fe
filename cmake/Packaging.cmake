# Installation under /usr and the Debian package (scripts/package): the
# program and the clock stand-in, the delivered empty database and the help
# in share/tamrel, a desktop entry, its icon and AppStream metainfo.
include(GNUInstallDirs)

install(TARGETS tamrel tamrel-clocksim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TAMREL_BIN_DIR}/tamreldata.mdb DESTINATION ${CMAKE_INSTALL_DATADIR}/tamrel)
install(FILES ${TAMREL_BIN_DIR}/Tamrel.chm DESTINATION ${CMAKE_INSTALL_DATADIR}/tamrel OPTIONAL)
install(DIRECTORY ${TAMREL_BIN_DIR}/help DESTINATION ${CMAKE_INSTALL_DATADIR}/tamrel)
install(FILES ${PROJECT_SOURCE_DIR}/resources/org.tamrel.Tamrel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/org.tamrel.Tamrel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${PROJECT_SOURCE_DIR}/resources/org.tamrel.Tamrel.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/org.tamrel.Tamrel.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/org.tamrel.Tamrel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tamrel)
set(CPACK_PACKAGE_VENDOR "Tamrel")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Companion program of the Tamrel race clock")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tamrel developers")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries the executables link, as the system packages them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
