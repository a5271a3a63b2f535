# Manual pages, written at build time by help2man from each program's --help and --version,
# with the hand-kept sections (examples, exit status, environment, files) of
# packaging/man/<program>.h2m, and compressed (with ${GZIP}) as Debian installs them.
include(GNUInstallDirs)
find_program(HELP2MAN help2man REQUIRED)

# quivora_manual(<program target> <one-line summary for the NAME section>)
function(quivora_manual programa resumo)
    set(inclusao ${PROJECT_SOURCE_DIR}/packaging/man/${programa}.h2m)
    set(manual ${PROJECT_BINARY_DIR}/man/${programa}.1)
    add_custom_command(
        OUTPUT ${manual}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
        COMMAND ${HELP2MAN} --locale=C.UTF-8 --no-info --section=1 --name=${resumo}
                --include=${inclusao} --output=${manual} $<TARGET_FILE:${programa}>
        COMMAND ${GZIP} -9nf ${manual}
        DEPENDS ${programa} ${inclusao}
        COMMENT "Writing the manual page ${programa}(1)"
        VERBATIM)
    add_custom_target(${programa}_manual ALL DEPENDS ${manual}.gz)
    install(FILES ${manual}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
