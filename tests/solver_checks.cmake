# Wiring of the solver's tool tests and of the checks of the shipped puzzles.

tessellix_add_test(test_solver_tool SOURCES test_solver_tool.cpp LIBRARIES tessellix_core Qt6::Core)
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
# The levels shipped beside the puzzles, as the tool rates them now.
add_test(NAME test_shipped_levels_rerated
    COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:tessellix-puzzle>
            -DDATA_DIR=${CMAKE_SOURCE_DIR}/data -DWORK_FILE=${CMAKE_CURRENT_BINARY_DIR}/levels.txt
            -P ${CMAKE_SOURCE_DIR}/data/compare_levels.cmake)

tessellix_add_test(test_puzzle_generator SOURCES test_puzzle_generator.cpp LIBRARIES tessellix_core)

# The solver's test once more under the sanitizers: a read outside a table fails it.
tessellix_add_sanitized_test(test_tiling_solver_asan SOURCES test_tiling_solver.cpp)

# generate and rate through the built tool; the files are judged by the solver's count.
tessellix_add_test(test_generator_tool SOURCES test_generator_tool.cpp
    LIBRARIES tessellix_core Qt6::Core)
target_compile_definitions(test_generator_tool PRIVATE
    TESSELLIX_PUZZLE_PATH="$<TARGET_FILE:tessellix-puzzle>")
add_dependencies(test_generator_tool tessellix-puzzle)
# The deduction search and the shape growth work on bit masks and index tables, so their test
# runs under the sanitizers too.
tessellix_add_sanitized_test(test_puzzle_generator_asan SOURCES test_puzzle_generator.cpp)

# The board's answers in words.
tessellix_add_test(test_board_answer_text SOURCES test_board_answer_text.cpp
    LIBRARIES tessellix_core Qt6::Core)

tessellix_add_test(test_step_text SOURCES test_step_text.cpp LIBRARIES tessellix_core Qt6::Core)

# The questions about a partly covered board, against the solver's own enumeration.
tessellix_add_test(test_board_questions SOURCES test_board_questions.cpp
    LIBRARIES tessellix_core Qt6::Core)
# The completion counter maps slots between mirrored frames and splits areas by bit masks.
tessellix_add_sanitized_test(test_board_questions_asan SOURCES test_board_questions.cpp)

# The explained step and the solution path, each forced step against the enumerated covers.
tessellix_add_test(test_step_explainer SOURCES test_step_explainer.cpp
    LIBRARIES tessellix_core Qt6::Core)
tessellix_add_test(test_explain_tool SOURCES test_explain_tool.cpp LIBRARIES tessellix_core Qt6::Core)
target_compile_definitions(test_explain_tool PRIVATE
    TESSELLIX_PUZZLE_PATH="$<TARGET_FILE:tessellix-puzzle>"
    SHIPPED_PUZZLES="${CMAKE_SOURCE_DIR}/data")
add_dependencies(test_explain_tool tessellix-puzzle)
target_include_directories(test_explain_tool PRIVATE ${CMAKE_SOURCE_DIR})
# The explainer walks slots and placements by bit masks.
tessellix_add_sanitized_test(test_step_explainer_asan SOURCES test_step_explainer.cpp)
