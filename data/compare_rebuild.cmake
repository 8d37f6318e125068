# Builds the puzzle files from DATA_DIR/puzzles.txt into WORK_DIR, counting every puzzle's
# solutions again, and fails unless they are exactly the committed files of DATA_DIR, byte for
# byte and no file more or less.
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND "${TOOL}" build --recount "${DATA_DIR}/puzzles.txt" "${WORK_DIR}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "build from ${DATA_DIR}/puzzles.txt failed (${result})")
endif()
file(GLOB committed RELATIVE "${DATA_DIR}" "${DATA_DIR}/*.TLX")
file(GLOB rebuilt RELATIVE "${WORK_DIR}" "${WORK_DIR}/*.TLX")
list(SORT committed)
list(SORT rebuilt)
if(NOT committed STREQUAL rebuilt)
    message(FATAL_ERROR "the source makes other files than those committed:\n"
                        "committed: ${committed}\nrebuilt: ${rebuilt}")
endif()
foreach(name IN LISTS committed)
    file(SHA256 "${DATA_DIR}/${name}" expected)
    file(SHA256 "${WORK_DIR}/${name}" actual)
    if(NOT expected STREQUAL actual)
        message(FATAL_ERROR "${name} differs from what ${DATA_DIR}/puzzles.txt makes")
    endif()
endforeach()
list(LENGTH committed count)
message(STATUS "${count} puzzle files rebuilt identically")
