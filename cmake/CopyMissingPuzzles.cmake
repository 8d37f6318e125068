# Copies every puzzle file of SOURCE_DIR into TARGET_DIR unless TARGET_DIR already has it, and
# the levels of the shipped puzzles.
file(MAKE_DIRECTORY "${TARGET_DIR}")
file(GLOB puzzles RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.TLX")
foreach(puzzle IN LISTS puzzles)
    if(NOT EXISTS "${TARGET_DIR}/${puzzle}")
        file(COPY "${SOURCE_DIR}/${puzzle}" DESTINATION "${TARGET_DIR}")
    endif()
endforeach()
# The shipped puzzles' levels belong to the program, not to the player: always the build's own.
if(EXISTS "${SOURCE_DIR}/levels.txt")
    file(COPY_FILE "${SOURCE_DIR}/levels.txt" "${TARGET_DIR}/levels.txt" ONLY_IF_DIFFERENT)
endif()
