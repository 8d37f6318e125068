#include "tools/placed_records.h"

#include "tools/tool_text.h"

namespace tessellix {

std::vector<PlacedElement> PlacedByRecords(
    const std::array<ElementRecord, kElementRecordCount>& records) {
    std::vector<PlacedElement> placed;
    for (int element = 0; element < kElementRecordCount; ++element) {
        if (records[element].placed) {
            placed.push_back({element, records[element].placement});
        }
    }
    return placed;
}

std::optional<Failure> PlacedRefusal(const PlacedCheck& check) {
    const std::string name = check.element >= 0 && check.element < kElementRecordCount
                                 ? ElementName(check.element)
                                 : "element " + std::to_string(check.element);
    switch (check.problem) {
        case PlacedProblem::UnusedElement:
            return ToolFailure(name + " is placed, but the puzzle does not use it");
        case PlacedProblem::PlacedTwice:
            return ToolFailure(name + " is placed twice");
        case PlacedProblem::BadOrientation:
            return ToolFailure(name + " has no such orientation");
        case PlacedProblem::OffThePuzzle:
            return ToolFailure(name + " is placed outside the puzzle's cells");
        case PlacedProblem::Overlap:
            return ToolFailure(name + " is placed over another element");
        case PlacedProblem::None:
            break;
    }
    return std::nullopt;
}

}  // namespace tessellix
