# Wiring of the puzzle-file tests that needs more than one line.

# The command-line tool is run as a separate program.
target_compile_definitions(test_puzzle_tool PRIVATE
    TESSELLIX_PUZZLE_PATH="$<TARGET_FILE:tessellix-puzzle>")
add_dependencies(test_puzzle_tool tessellix-puzzle)
target_include_directories(test_puzzle_tool PRIVATE ${CMAKE_SOURCE_DIR})

# The corruption test once more under the sanitizers: a read outside a file's bytes fails it.
tessellix_add_sanitized_test(test_puzzle_file_corruption_asan
    SOURCES test_puzzle_file_corruption.cpp)

# Puzzle codes: the shipped puzzles through the tool, and the texts that are no code.
tessellix_add_test(test_puzzle_code SOURCES test_puzzle_code.cpp LIBRARIES tessellix_core Qt6::Core)
target_compile_definitions(test_puzzle_code PRIVATE
    TESSELLIX_PUZZLE_PATH="$<TARGET_FILE:tessellix-puzzle>"
    SHIPPED_PUZZLES="${CMAKE_SOURCE_DIR}/data")
add_dependencies(test_puzzle_code tessellix-puzzle)
