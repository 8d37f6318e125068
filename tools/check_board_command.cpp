#include "tools/check_board_command.h"

#include <bit>
#include <iostream>

#include "answers/board_answer_text.h"
#include "model/element_set.h"
#include "solver/board_questions.h"
#include "tools/json_writer.h"
#include "tools/placed_records.h"
#include "tools/puzzle_input.h"
#include "tools/solve_command.h"
#include "tools/tool_text.h"

namespace tessellix {

namespace {

std::string Letter(int element) {
    return std::string(1, kElementLetters[element]);
}

std::string CheckJson(const BoardCheck& check) {
    JsonWriter json;
    json.BeginObject();
    json.Field("finishable", check.finishable);
    json.Field("ways", static_cast<long long>(check.ways));
    json.Key("takeAway").BeginArray();
    for (int element : check.takeAway) {
        json.Value(Letter(element));
    }
    json.EndArray();
    json.EndObject();
    return json.Text();
}

// The game's own words for the answer, the count given exactly.
std::string AnswerText(const BoardCheck& check, bool solved) {
    return (solved ? SolvedBoardText() : CheckText(check)).In(Language::English);
}

int RunCheckBoard(const std::vector<std::string>& arguments) {
    const ToolCommand command = CheckBoardCommand();
    ParsedArguments parsed;
    if (const auto status =
            ParseCommandLine(command, arguments, {"--json"}, 1, "exactly one FILE", parsed)) {
        return *status;
    }
    const std::string& path = parsed.operands[0];
    const Result<LoadedPuzzle> puzzle = LoadToolPuzzle(path);
    if (!puzzle) {
        return ReportFailure(puzzle.Error());
    }
    const auto& records = puzzle->data.elements;
    BoardQuestions questions(puzzle->data.grid, kGridSide, UsedElementMask(records));
    const std::vector<PlacedElement> placed = PlacedByRecords(records);
    if (const std::optional<Failure> refusal = BoardRefusal(questions, placed)) {
        return ReportFailure(path, *refusal);
    }
    const BoardCheck check = questions.Check(placed, 0);
    const bool solved = static_cast<int>(placed.size()) == std::popcount(UsedElementMask(records));
    std::cout << (parsed.Has("--json") ? CheckJson(check) : AnswerText(check, solved)) << '\n';
    return kExitOk;
}

}  // namespace

ToolCommand CheckBoardCommand() {
    return {"check-board", "check-board [--json] FILE",
            "Checks the board that the element records of the puzzle file FILE place (their\n"
            "placed bit and position, as a stored solution is written), as the game's Check\n"
            "board does: whether it can still be finished with every placed element where\n"
            "it lies, and in how many ways (exactly; the game shows \"more than 10000\"\n"
            "above that; with no element placed, the distinct solutions as `solve --count`\n"
            "counts them). When it cannot, it names the fewest placed elements to take away:\n"
            "one, else two, else three, beyond that the last placed, the records counting as\n"
            "placed in index order.\n"
            "  --json  {\"finishable\": true|false, \"ways\": n, \"takeAway\": [\"F\", \"L\"]}\n"
            "          with the elements' letters (ILYNVTZFWUXP for elements 0 to 11)\n"
            "A placed element outside the puzzle's cells, over another, or not used by the\n"
            "puzzle is reported on standard error with exit status 1.\n",
            RunCheckBoard};
}

}  // namespace tessellix
