# Installation beyond the two programs (each installs its own executable): the desktop entry,
# the icon in the hicolor theme's sizes, and the Debian package that CPack builds from them.
include(GNUInstallDirs)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/quivora.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(lado 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icones/quivora-${lado}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lado}x${lado}/apps
            RENAME quivora.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quivora)
set(CPACK_PACKAGE_VENDOR "Quivora")
set(CPACK_PACKAGE_CONTACT "Quivora developers <dev@quivora.local>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Genetic algorithm demonstrator on Schaffer's F6 function")
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The runtime libraries the two programs link, as Debian 12 names their packages.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6, libqt6gui6, libqt6widgets6, libqt6charts6, libqt6opengl6, libgl1, libglu1-mesa, libjpeg62-turbo, libgl1-mesa-dri, fonts-liberation")
include(CPack)
