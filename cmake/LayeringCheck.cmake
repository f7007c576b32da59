# lir_check_layering(TARGET): before TARGET is built, every one of its source
# files is scanned, and the build stops when a file includes a header of the
# widget or print support libraries.
function(lir_check_layering target)
    get_target_property(sources ${target} SOURCES)
    set(files)
    foreach(source IN LISTS sources)
        if(source MATCHES "\\.(h|cpp)$")
            get_filename_component(absolute ${source} ABSOLUTE BASE_DIR ${CMAKE_SOURCE_DIR})
            list(APPEND files ${absolute})
        endif()
    endforeach()
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_layering.stamp)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} "-DFILES=${files}" -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
                -DTARGET=${target} -P ${CMAKE_SOURCE_DIR}/cmake/CheckIncludes.cmake
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${files} ${CMAKE_SOURCE_DIR}/cmake/CheckIncludes.cmake
        COMMENT "Checking the includes of ${target}"
        VERBATIM)
    add_custom_target(${target}_layering DEPENDS ${stamp})
    add_dependencies(${target} ${target}_layering)
endfunction()
