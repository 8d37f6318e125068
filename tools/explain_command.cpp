#include "tools/explain_command.h"

#include <algorithm>
#include <iostream>

#include "answers/board_answer_text.h"
#include "answers/step_text.h"
#include "model/board_places.h"
#include "model/element_set.h"
#include "solver/step_explainer.h"
#include "tools/json_writer.h"
#include "tools/placed_records.h"
#include "tools/puzzle_input.h"
#include "tools/solve_command.h"

namespace tessellix {

namespace {

std::string_view KindName(StepKind kind) {
    switch (kind) {
        case StepKind::Region:
            return "region";
        case StepKind::Blocked:
            return "blocked";
        case StepKind::Cell:
            return "cell";
        case StepKind::Element:
            return "element";
        case StepKind::Guess:
            return "guess";
    }
    return "";
}

void WriteCells(JsonWriter& json, std::string_view key, const BoardPlaces& places,
                const std::vector<GridCell>& cells) {
    json.Key(key).BeginArray();
    for (const GridCell& cell : cells) {
        const BoardPlace place = places.PlaceOf(cell).value_or(BoardPlace{});
        json.BeginArray().Value(place.row).Value(place.column).EndArray();
    }
    json.EndArray();
}

std::string StepJson(const ExplainedStep& step, const BoardPlaces& places) {
    JsonWriter json;
    json.BeginObject().Field("kind", KindName(step.kind));
    if (!step.cells.empty()) {
        WriteCells(json, "cells", places, step.cells);
    }
    if (step.placement) {
        json.Field("element", std::string(1, kElementLetters[step.placement->element]));
        WriteCells(json, "placement", places, step.placementCells);
    }
    if (step.kind == StepKind::Guess) {
        json.Field("ways", step.ways);
    }
    if (step.kind == StepKind::Region || step.kind == StepKind::Blocked) {
        json.Key("takeAway").BeginArray();
        for (int element : step.takeAway) {
            json.Value(std::string(1, kElementLetters[element]));
        }
        json.EndArray();
    }
    return json.EndObject().Text();
}

// The step's sentence; a region's is followed by Check board's answer, a guess on a path by
// the option taken.
std::string StepLine(const ExplainedStep& step, const BoardPlaces& places) {
    std::string line = StepText(step, places).In(Language::English);
    if (step.kind == StepKind::Region) {
        line += " " + StepTakeAwayText(step).In(Language::English);
    }
    if (step.kind == StepKind::Guess && step.placement) {
        line += " " + GuessTakenText(step).In(Language::English);
    }
    return line;
}

// The places of the puzzle's cells as the steps count them, from the top-left corner of their
// rectangle wherever the file's matrix holds it.
BoardPlaces PlacesOf(const SolverRegion& region) {
    const int side = std::max(region.Rows(), region.Columns());
    std::vector<int> cells(static_cast<std::size_t>(side) * side, 0);
    for (int row = 0; row < region.Rows(); ++row) {
        for (int column = 0; column < region.Columns(); ++column) {
            cells[static_cast<std::size_t>(row) * side + column] =
                region.IndexOf(row, column) >= 0 ? 1 : 0;
        }
    }
    return BoardPlaces(cells, side);
}

int RunExplain(const std::vector<std::string>& arguments) {
    const ToolCommand command = ExplainCommand();
    ParsedArguments parsed;
    if (const auto status = ParseCommandLine(command, arguments, {"--json", "--path"}, 1,
                                             "exactly one FILE", parsed)) {
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
    const BoardPlaces places = PlacesOf(questions.Solver().Region());
    const bool json = parsed.Has("--json");
    StepExplainer explainer(questions);
    std::vector<ExplainedStep> steps;
    if (parsed.Has("--path")) {
        std::array<Placement, kElementRecordCount> stored;
        for (const PlacedElement& p : placed) {
            stored[p.element] = p.placement;
        }
        steps = explainer.SolutionPath(stored);
    } else if (std::optional<ExplainedStep> step = explainer.Explain(placed)) {
        steps.push_back(std::move(*step));
    } else {
        std::cout << (json ? "{\"kind\": \"solved\"}" : SolvedBoardText().In(Language::English))
                  << '\n';
    }
    for (const ExplainedStep& step : steps) {
        std::cout << (json ? StepJson(step, places) : StepLine(step, places)) << '\n';
    }
    return kExitOk;
}

}  // namespace

ToolCommand ExplainCommand() {
    return {
        "explain", "explain [--path] [--json] FILE",
        "Explains the next step on the board that the element records of the puzzle file\n"
        "FILE place (as check-board reads them), as the game's Explain a step does. A\n"
        "placement is possible while its element is free, its cells are empty and it\n"
        "walls off no area of fewer than five cells; every completion is made of possible\n"
        "placements, so a named step is true of every completion. Simplest first:\n"
        "  region   the board cannot be finished: the smallest area of free cells that is\n"
        "           no multiple of five, or in which no element left fits; Check board's\n"
        "           take-away follows\n"
        "  blocked  the board cannot be finished and no area shows it: Check board's answer\n"
        "  cell     the first cell (by row, then column) with one possible placement\n"
        "  element  the first element (ILYNVTZFWUXP) with one possible placement\n"
        "  guess    nothing is forced: the first cell with the fewest possible placements\n"
        "           (its ways) and their elements\n"
        "Rows and columns count from 1 at the top left of the smallest rectangle holding\n"
        "the puzzle's cells. A board with every element placed is solved.\n"
        "  --path  the solution path instead, from the empty board: each forced step\n"
        "          taken, each guess taking an option that a cover has (the solution the\n"
        "          records place when they place one whole), a step per line, to a cover\n"
        "  --json  one object per step: {\"kind\": \"region\"|\"blocked\"|\"cell\"|\"element\"|\n"
        "          \"guess\", \"cells\": [[row, column], ...], \"element\": \"L\",\n"
        "          \"placement\": [[row, column], ...], \"ways\": n, \"takeAway\": [\"F\"]},\n"
        "          each field where it applies (element and placement on a path's guess:\n"
        "          the option taken); {\"kind\": \"solved\"} for a solved board\n"
        "A placed element outside the puzzle's cells, over another, or not used by the\n"
        "puzzle is reported on standard error with exit status 1.\n",
        RunExplain};
}

}  // namespace tessellix
