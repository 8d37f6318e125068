# Rates every puzzle of DATA_DIR again with TOOL and fails unless the table is exactly the
# committed DATA_DIR/levels.txt, which the game reads instead of rating the shipped puzzles.
execute_process(COMMAND "${TOOL}" levels "${DATA_DIR}"
                RESULT_VARIABLE result OUTPUT_VARIABLE rated)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "levels ${DATA_DIR} failed (${result})")
endif()
file(READ "${DATA_DIR}/levels.txt" committed)
if(NOT rated STREQUAL committed)
    file(WRITE "${WORK_FILE}" "${rated}")
    message(FATAL_ERROR "${DATA_DIR}/levels.txt is not what the puzzles rate; rated now: "
                        "${WORK_FILE}\n(make it again with: tessellix-puzzle levels data > "
                        "data/levels.txt)")
endif()
string(REGEX MATCHALL "\n[^#\n][^\n]*" lines "\n${committed}")
list(LENGTH lines count)
message(STATUS "${count} shipped levels rated identically")
