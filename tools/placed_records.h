#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "library/failure.h"
#include "library/puzzle_file.h"
#include "solver/board_questions.h"

namespace tessellix {

// The elements that the records place, as a stored solution is written, in index order: the
// records keep no order of placing, so the highest index counts as placed last.
std::vector<PlacedElement> PlacedByRecords(
    const std::array<ElementRecord, kElementRecordCount>& records);

// Why the records' placed elements are no board of the puzzle, in the tool's words without the
// file name; nothing when they are one.
std::optional<Failure> PlacedRefusal(const PlacedCheck& check);

}  // namespace tessellix
