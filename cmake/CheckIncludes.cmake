cmake_minimum_required(VERSION 3.25)
# Run by lir_check_layering with FILES (the sources of TARGET). Project headers
# of the widget layer are off lirbase's include path already; the widget and
# print support libraries share Qt's include root with Core and Gui, so their
# headers are stopped here.
set(problems)
foreach(file IN LISTS FILES)
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
        if(line MATCHES "#[ \t]*include[ \t]*<(Qt(Widgets|PrintSupport)[/>][^>]*)>")
            file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
            list(APPEND problems "${shown}: includes <${CMAKE_MATCH_1}> of a widget library")
        endif()
    endforeach()
endforeach()
if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Wrong-way includes in ${TARGET}:\n  ${text}")
endif()
