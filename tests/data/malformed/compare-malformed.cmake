# Writes the malformed files afresh into OUT and compares them with the committed ones in
# COMMITTED: every written file must be committed unchanged, and nothing else may be there.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${TOOL} ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "make_malformed failed: ${status}")
endif()
file(GLOB written RELATIVE ${OUT} ${OUT}/*)
file(GLOB committed RELATIVE ${COMMITTED} ${COMMITTED}/*.zd2)
list(APPEND committed expected.txt)
list(SORT written)
list(SORT committed)
if(NOT written STREQUAL committed)
    message(FATAL_ERROR "the committed malformed files differ from the written ones:\n"
                        "written: ${written}\ncommitted: ${committed}")
endif()
foreach(name IN LISTS written)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${name} ${COMMITTED}/${name}
                    RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "${name} differs from what make_malformed writes")
    endif()
endforeach()
