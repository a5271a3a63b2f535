# Installation beyond the two programs (each installs its own executable): their manual pages,
# the desktop entry, the icon in the hicolor theme's sizes, the AppStream metainfo, the
# package's copyright and changelog, and the Debian package that CPack builds from them.
include(GNUInstallDirs)
find_program(GZIP gzip REQUIRED)
include(cmake/Manuais.cmake)

set(QUIVORA_CONTATO "Quivora developers <dev@quivora.org>")
set(QUIVORA_METAINFO org.quivora.quivora.metainfo.xml)

# The newest entry of a hand-kept history must be the project's version: a version bump
# without its changelog entry and release note stops at configure time.
function(quivora_confere_versao arquivo padrao)
    file(STRINGS ${arquivo} linha REGEX "${padrao}" LIMIT_COUNT 1)
    string(REGEX REPLACE ".*${padrao}.*" "\\1" versao "${linha}")
    if(NOT versao STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "${arquivo}: the newest entry is '${versao}', not ${PROJECT_VERSION}")
    endif()
endfunction()
quivora_confere_versao(${PROJECT_SOURCE_DIR}/packaging/changelog "^quivora \\(([^)]*)\\)")
quivora_confere_versao(${PROJECT_SOURCE_DIR}/packaging/${QUIVORA_METAINFO}.in
                       "<release version=\"([^\"]*)\"")

quivora_manual(quivora-run "run Quivora's genetic algorithm without the window")
if(TARGET quivora)
    quivora_manual(quivora "watch a genetic algorithm maximise Schaffer's F6 function")
endif()

configure_file(${PROJECT_SOURCE_DIR}/packaging/${QUIVORA_METAINFO}.in
               ${PROJECT_BINARY_DIR}/packaging/${QUIVORA_METAINFO} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in
               ${PROJECT_BINARY_DIR}/packaging/copyright @ONLY)
set(changelog ${PROJECT_BINARY_DIR}/packaging/changelog)
add_custom_command(
    OUTPUT ${changelog}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/changelog ${changelog}
    COMMAND ${GZIP} -9nf ${changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
    VERBATIM)
add_custom_target(quivora_changelog ALL DEPENDS ${changelog}.gz)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/quivora.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${QUIVORA_METAINFO}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_BINARY_DIR}/packaging/copyright ${changelog}.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quivora)
foreach(lado 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icones/quivora-${lado}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lado}x${lado}/apps
            RENAME quivora.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quivora)
set(CPACK_PACKAGE_VENDOR "Quivora")
set(CPACK_PACKAGE_CONTACT ${QUIVORA_CONTATO})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Genetic algorithm demonstrator on Schaffer's F6 function")
set(CPACK_PACKAGE_DESCRIPTION
    "Quivora runs a genetic algorithm on bit-string chromosomes that encode the
integer points of a square interval, and shows it at work in one window: a
report of every generation's best individual, a chart of the best and average
fitness per generation, and a 3D view of the function's surface with the
population on it, which the mouse rotates and shifts.

The parameter panel sets the population size, the chromosome length, the
selection, crossover, mutation and replacement schemes and their rates, the
generation limit, the interval, the stop criterion, elitism, scaling and a
parallel mode that evolves the x and y halves as two populations. The command
quivora-run performs the same run without the window and prints its report.
The interface is in Portuguese.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The runtime libraries the two programs link, as Debian 12 names their packages.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6, libqt6gui6, libqt6widgets6, libqt6charts6, libqt6opengl6, libqt6svg6, qt6-translations-l10n, libgl1, libglu1-mesa, libjpeg62-turbo, libgl1-mesa-dri, fonts-liberation")
if(QUIVORA_PACOTES_VIDEO)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${QUIVORA_PACOTES_VIDEO}")
endif()
include(CPack)
