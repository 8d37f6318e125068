# Wiring of the puzzle-file tests that needs more than one line.

# The command-line tool is run as a separate program.
target_compile_definitions(test_puzzle_tool PRIVATE
    TESSELLIX_PUZZLE_PATH="$<TARGET_FILE:tessellix-puzzle>")
add_dependencies(test_puzzle_tool tessellix-puzzle)
target_include_directories(test_puzzle_tool PRIVATE ${CMAKE_SOURCE_DIR})

# The corruption test once more, with AddressSanitizer and UndefinedBehaviorSanitizer compiled
# into it and into the code it exercises: a read outside a file's bytes fails it.
add_library(tessellix_puzzle_files_asan STATIC
    ${CMAKE_SOURCE_DIR}/library/puzzle_file.cpp
    ${CMAKE_SOURCE_DIR}/library/puzzle_library.cpp
    ${CMAKE_SOURCE_DIR}/library/text_encoding.cpp
    ${CMAKE_SOURCE_DIR}/model/cell_shape.cpp
    ${CMAKE_SOURCE_DIR}/model/element.cpp
    ${CMAKE_SOURCE_DIR}/model/element_set.cpp
    ${CMAKE_SOURCE_DIR}/model/language.cpp
    ${CMAKE_SOURCE_DIR}/model/puzzle_shape.cpp
)
target_include_directories(tessellix_puzzle_files_asan PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(tessellix_puzzle_files_asan PUBLIC
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_link_options(tessellix_puzzle_files_asan PUBLIC -fsanitize=address,undefined)
# Poisons the unused capacity of std::vector, so a read past a file's bytes in the read buffer
# is caught too.
target_compile_definitions(tessellix_puzzle_files_asan PUBLIC _GLIBCXX_SANITIZE_VECTOR)
tessellix_add_test(test_puzzle_file_corruption_asan
    SOURCES test_puzzle_file_corruption.cpp LIBRARIES tessellix_puzzle_files_asan)
# LeakSanitizer is left out: it needs ptrace, which containers often refuse.
set_property(TEST test_puzzle_file_corruption_asan APPEND PROPERTY ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=0" "UBSAN_OPTIONS=print_stacktrace=1")
