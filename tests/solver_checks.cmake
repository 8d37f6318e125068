# Wiring of the solver's tool tests and of the checks of the shipped puzzles.

tessellix_add_test(test_solver_tool SOURCES test_solver_tool.cpp LIBRARIES Qt6::Core)
target_compile_definitions(test_solver_tool PRIVATE
    TESSELLIX_PUZZLE_PATH="$<TARGET_FILE:tessellix-puzzle>")
add_dependencies(test_solver_tool tessellix-puzzle)
target_include_directories(test_solver_tool PRIVATE ${CMAKE_SOURCE_DIR})
