# Install rules and the Debian package. `cmake --install` puts the program where a desktop finds
# it: the two programs in bin, the documents the About box opens in share/kinetrax (the program
# looks there, see core/about), the desktop file, the icon and the AppStream metainfo in their
# freedesktop places. `cpack -G DEB` (scripts/package) packs the same tree for /usr.

set(KT_APP_ID com.quorvane.Kinetrax)
set(KT_RELEASE_DATE "2026-12-07" CACHE STRING "Date of this version's release, as the metainfo states it (YYYY-MM-DD)")

install(TARGETS kinetrax RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(doc IN LISTS KT_DOCS)
  install(FILES ${PROJECT_SOURCE_DIR}/docs/${doc} DESTINATION ${CMAKE_INSTALL_DATADIR}/kinetrax)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/Licence.rtf DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kinetrax)
# Debian tools and users look for the licence of a package in this one machine-readable file.
configure_file(${PROJECT_SOURCE_DIR}/data/copyright.in ${CMAKE_BINARY_DIR}/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kinetrax)
install(FILES ${PROJECT_SOURCE_DIR}/data/${KT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/kinetrax.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${PROJECT_SOURCE_DIR}/data/${KT_APP_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/${KT_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${KT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kinetrax)
set(CPACK_PACKAGE_VENDOR "${KT_COMPANY_NAME}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "exercise journal with calories and averages")
set(CPACK_PACKAGE_DESCRIPTION "Kinetrax records exercise events (activity, description, duration, location, calories\n\
and notes), works out calories from 310 activities' MET values and the body weight, charts\n\
the minutes per day and shows averages over a chosen period. kinetrax-cli gives the same\n\
journal to the terminal: summaries, CSV export and import, new records and a file check.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KT_COMPANY_NAME} <${KT_SUPPORT_ADDRESS}>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KT_UPDATE_SCHEME}://${KT_WEB_HOST}/")
# The libraries the programs link are found by dpkg-shlibdeps. The plugins Qt loads at run time
# are not linked, so they are named here: the X11/Wayland platform plugins and the SVG icon engine
# that draws the window icon.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
