# What "cmake --install" and the Debian package put where: the editor and the
# command-line tools in bin/, the default documents in
# share/lir-settings-editor/, the icon, the menu entry, the AppStream
# metainfo and the manual pages.
include(GNUInstallDirs)

set(LIR_APP_ID ru.orvek.LirSettingsEditor)
set(LIR_DEFAULTS_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/lir-settings-editor)

set(LIR_PROGRAMS lir-settings-editor lir-settings lir-controller-sim)
install(TARGETS ${LIR_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripping install (cpack, "cmake --install --strip") also drops what
# Debian's dh_strip drops: .comment holds only the compiler versions.
install(CODE "
    set(lir_strip \"${CMAKE_STRIP}\")
    set(lir_programs \"${LIR_PROGRAMS}\")
    set(lir_bindir \"${CMAKE_INSTALL_BINDIR}\")")
install(CODE [[
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(program IN LISTS lir_programs)
            set(file "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${lir_bindir}/${program}")
            execute_process(COMMAND "${lir_strip}" --remove-section=.comment
                --remove-section=.note "${file}" RESULT_VARIABLE failed)
            if(failed)
                message(FATAL_ERROR "could not strip ${file}")
            endif()
        endforeach()
    endif()]])
install(FILES defaults/lir1_sets_default.xml defaults/lir2_sets_default.xml
    DESTINATION ${LIR_DEFAULTS_INSTALL_DIR})
foreach(size 16x16 32x32)
    install(FILES packaging/icons/${size}/${LIR_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
endforeach()
# The metainfo's latest release is this version.
configure_file(packaging/${LIR_APP_ID}.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/packaging/${LIR_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${LIR_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The editor reads its default documents from the working directory, so the
# menu entry starts it in their folder. That absolute path is known only when
# installing: cpack and "cmake --install --prefix" choose the prefix then.
set(lir_desktop_entry ${CMAKE_BINARY_DIR}/packaging/${LIR_APP_ID}.desktop)
install(CODE "
    set(lir_desktop_template \"${CMAKE_SOURCE_DIR}/packaging/${LIR_APP_ID}.desktop.in\")
    set(lir_desktop_entry \"${lir_desktop_entry}\")
    set(LIR_DEFAULTS_DIR \"${LIR_DEFAULTS_INSTALL_DIR}\")")
install(CODE [[
    if(NOT IS_ABSOLUTE "${LIR_DEFAULTS_DIR}")
        set(LIR_DEFAULTS_DIR "${CMAKE_INSTALL_PREFIX}/${LIR_DEFAULTS_DIR}")
    endif()
    configure_file("${lir_desktop_template}" "${lir_desktop_entry}" @ONLY)]])
install(FILES ${lir_desktop_entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Manual pages, compressed as Debian installs them.
set(lir_man_pages)
foreach(page lir-settings-editor lir-settings lir-controller-sim)
    set(page_file ${CMAKE_BINARY_DIR}/packaging/man/${page}.1)
    configure_file(packaging/man/${page}.1.in ${page_file} @ONLY)
    add_custom_command(OUTPUT ${page_file}.gz
        COMMAND gzip -9nkf ${page_file}
        DEPENDS ${page_file}
        VERBATIM)
    list(APPEND lir_man_pages ${page_file}.gz)
endforeach()
add_custom_target(lir_man_pages ALL DEPENDS ${lir_man_pages})
install(FILES ${lir_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
