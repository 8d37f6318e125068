# Copies every puzzle file of SOURCE_DIR into TARGET_DIR unless TARGET_DIR already has it.
file(MAKE_DIRECTORY "${TARGET_DIR}")
file(GLOB puzzles RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.TLX")
foreach(puzzle IN LISTS puzzles)
    if(NOT EXISTS "${TARGET_DIR}/${puzzle}")
        file(COPY "${SOURCE_DIR}/${puzzle}" DESTINATION "${TARGET_DIR}")
    endif()
endforeach()
