# Installation and the Debian package.
#
# The application id (KUBREL_APP_ID, set at the top) names the desktop entry,
# the metainfo, the icons and the MIME package, as desktops look them up by it.

include(GNUInstallDirs)
set(kubrel_packaging_dir ${PROJECT_SOURCE_DIR}/packaging)

install(FILES ${kubrel_packaging_dir}/${KUBREL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${kubrel_packaging_dir}/${KUBREL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${kubrel_packaging_dir}/${KUBREL_APP_ID}.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${kubrel_packaging_dir}/icons/${KUBREL_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${kubrel_packaging_dir}/icons/${KUBREL_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

# The demo level behind `make screenshot`; built, never installed.
add_subdirectory(${kubrel_packaging_dir} ${PROJECT_BINARY_DIR}/packaging)

# The Debian package: `cmake --build <dir> --target package`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kubrel-editor)
set(CPACK_PACKAGE_VENDOR "The Kubrel developers")
set(CPACK_PACKAGE_CONTACT "The Kubrel developers <kubrel@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The lines of the package's long description, as apt shows them.
set(CPACK_PACKAGE_DESCRIPTION "\
Kubrel Viverezitor paints the 16 by 16 tile boards of the game Kubrel,\n\
places their start and end tiles, sets the six colours of the game's cube\n\
and saves each level as a small map file.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kubrel.github.io/")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the programs link decide the rest of Depends. Qt loads its
# display plugins at run time, so no library names that package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, shared-mime-info")

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME}
    RENAME copyright)

include(CPack)
