# Wiring of the solver's tool tests and of the checks of the shipped puzzles.

tessellix_add_test(test_solver_tool SOURCES test_solver_tool.cpp LIBRARIES Qt6::Core)
target_compile_definitions(test_solver_tool PRIVATE
    TESSELLIX_PUZZLE_PATH="$<TARGET_FILE:tessellix-puzzle>")
add_dependencies(test_solver_tool tessellix-puzzle)
target_include_directories(test_solver_tool PRIVATE ${CMAKE_SOURCE_DIR})

# The shipped library as the game will read it, and its files as the source makes them.
add_test(NAME test_shipped_puzzles
    COMMAND tessellix-puzzle check --require-solutions ${CMAKE_SOURCE_DIR}/data)
add_test(NAME test_shipped_puzzles_rebuild
    COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:tessellix-puzzle>
            -DDATA_DIR=${CMAKE_SOURCE_DIR}/data -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/rebuilt_data
            -P ${CMAKE_SOURCE_DIR}/data/compare_rebuild.cmake)

# The solver's test once more, with AddressSanitizer and UndefinedBehaviorSanitizer compiled into
# the solver and the element code it replays through: a read outside a table fails it.
add_library(tessellix_solver_asan STATIC
    ${CMAKE_SOURCE_DIR}/solver/cover_search.cpp
    ${CMAKE_SOURCE_DIR}/solver/orientation_table.cpp
    ${CMAKE_SOURCE_DIR}/solver/solver_region.cpp
    ${CMAKE_SOURCE_DIR}/solver/tiling_solver.cpp
    ${CMAKE_SOURCE_DIR}/model/cell_shape.cpp
    ${CMAKE_SOURCE_DIR}/model/element.cpp
    ${CMAKE_SOURCE_DIR}/model/element_set.cpp
)
target_include_directories(tessellix_solver_asan PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(tessellix_solver_asan PUBLIC
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_link_options(tessellix_solver_asan PUBLIC -fsanitize=address,undefined)
tessellix_add_test(test_tiling_solver_asan
    SOURCES test_tiling_solver.cpp LIBRARIES tessellix_solver_asan)
set_property(TEST test_tiling_solver_asan APPEND PROPERTY ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=0" "UBSAN_OPTIONS=print_stacktrace=1")
