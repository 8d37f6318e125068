# Wiring of the puzzle-file tests that needs more than one line.

# The command-line tool is run as a separate program.
target_compile_definitions(test_puzzle_tool PRIVATE
    TESSELLIX_PUZZLE_PATH="$<TARGET_FILE:tessellix-puzzle>")
add_dependencies(test_puzzle_tool tessellix-puzzle)
target_include_directories(test_puzzle_tool PRIVATE ${CMAKE_SOURCE_DIR})

# The corruption test once more under the sanitizers: a read outside a file's bytes fails it.
# _GLIBCXX_SANITIZE_VECTOR poisons the unused capacity of std::vector, so a read past a file's
# bytes in the read buffer is caught too.
tessellix_add_sanitized_test(test_puzzle_file_corruption_asan
    SOURCES test_puzzle_file_corruption.cpp
    DEFINITIONS _GLIBCXX_SANITIZE_VECTOR
    CODE
        ${CMAKE_SOURCE_DIR}/library/puzzle_file.cpp
        ${CMAKE_SOURCE_DIR}/library/puzzle_library.cpp
        ${CMAKE_SOURCE_DIR}/library/text_encoding.cpp
        ${CMAKE_SOURCE_DIR}/model/cell_shape.cpp
        ${CMAKE_SOURCE_DIR}/model/element.cpp
        ${CMAKE_SOURCE_DIR}/model/element_set.cpp
        ${CMAKE_SOURCE_DIR}/model/language.cpp
        ${CMAKE_SOURCE_DIR}/model/puzzle_shape.cpp
)
