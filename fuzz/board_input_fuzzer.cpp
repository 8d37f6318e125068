// Any bytes as a player's hand on a shipped puzzle: presses, moves, releases, double-clicks,
// right-releases, wheel notches, keys, the jumps to places, undo and redo, read by the board's
// input interpreter.
// After every input each covered cell lies under exactly one placed element and nothing else is
// covered, the mouse is held exactly while the hand holds by the mouse, and a drop said to solve
// left no free cell. At the end, with the hand emptied, undo back to the start gives the start
// and redo forward as many steps gives the end again, cell for cell.
//
// The first byte picks the puzzle: one of the shipped ones in name order, or the built-in
// rectangle. Then each byte is an input, followed by the bytes it needs: a point is three bytes
// (on the canvas, over an element's box, or around the puzzle), a step of the pointer two
// signed bytes, a wheel turn one signed byte (twice that in eighths of a degree), a key one
// (254 and 255 the jumps forward and back, so that older findings keep their keys).

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "model/board_input.h"
#include "model/orientation_table.h"

namespace tessellix {

namespace {

struct ShippedPuzzle {
    std::string path;
    PuzzleFileContents contents;
};

const std::vector<ShippedPuzzle>& ShippedPuzzles() {
    static const std::vector<ShippedPuzzle> puzzles = [] {
        std::vector<ShippedPuzzle> read;
        for (const auto& entry : std::filesystem::directory_iterator(TESSELLIX_DATA_DIR)) {
            std::string extension = entry.path().extension().string();
            std::transform(extension.begin(), extension.end(), extension.begin(), ::toupper);
            if (extension == ".TLX") {
                read.push_back({entry.path().string(), ReadPuzzleFile(entry.path().string())});
            }
        }
        std::sort(read.begin(), read.end(),
                  [](const ShippedPuzzle& a, const ShippedPuzzle& b) { return a.path < b.path; });
        FUZZ_CHECK(!read.empty());
        return read;
    }();
    return puzzles;
}

class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : at(data), end(data + size) {}
    bool Empty() const { return at == end; }
    // Zero once the bytes are used up.
    std::uint8_t Next() { return at == end ? 0 : *at++; }
    int Signed() { return static_cast<std::int8_t>(Next()); }

  private:
    const std::uint8_t* at;
    const std::uint8_t* end;
};

PixelPoint PointOf(Bytes& bytes, const PlaySession& session) {
    const int kind = bytes.Next();
    const int a = bytes.Next();
    const int b = bytes.Next();
    switch (kind % 3) {
        case 0:  // anywhere on the canvas, and a little beyond its edges
            return {a * 5 / 2 - 20, b * 7 / 4 - 20};
        case 1: {  // over an element's box, where it is now
            const Element& element = session.Elements()[kind / 3 % ElementSet::kCount];
            return {element.x + a % 80 - 2, element.y + b % 80 - 2};
        }
        default:
            return {session.Puzzle().x + a * 2 - 20, session.Puzzle().y + b * 2 - 20};
    }
}

// How many placed elements lie on each cell of the puzzle's matrix; a cell off the matrix
// breaks the property at once.
std::vector<int> Coverage(const PlaySession& session) {
    const PuzzleShape& puzzle = session.Puzzle();
    std::vector<int> count(puzzle.cells.size(), 0);
    const BoardState state = session.State();
    for (int i = 0; i < ElementSet::kCount; ++i) {
        if (!state[i].placed) {
            continue;
        }
        const ElementOrientation& o = OrientationTable::Standard().State(i, state[i].orientation);
        for (int k = 0; k < kElementCells; ++k) {
            const int row = state[i].placed->row + o.cellRows[k];
            const int column = state[i].placed->column + o.cellColumns[k];
            FUZZ_CHECK(row >= 0 && column >= 0 && row < puzzle.side && column < puzzle.side);
            ++count[row * puzzle.side + column];
        }
    }
    return count;
}

void CheckBoard(const PlaySession& session) {
    const std::vector<int> count = Coverage(session);
    const std::vector<int>& cells = session.Puzzle().cells;
    for (std::size_t cell = 0; cell < cells.size(); ++cell) {
        FUZZ_CHECK(count[cell] <= 1);
        FUZZ_CHECK((cells[cell] == 2) == (count[cell] == 1));
    }
}

void CheckOutcome(const InputOutcome& outcome, bool heldByMouse, const PlaySession& session) {
    const bool nowByMouse = session.PlayerHand().byMouse;
    FUZZ_CHECK((outcome.mouse == InputOutcome::Mouse::Grab) == (!heldByMouse && nowByMouse));
    FUZZ_CHECK((outcome.mouse == InputOutcome::Mouse::LetGo) == (heldByMouse && !nowByMouse));
    // A drop that placed the element and ended the input says whether it solved the puzzle,
    // and nothing follows a solving drop.
    const bool endsPlaced =
        outcome.EndsWithDrop() && outcome.changes.back().kind == InputOutcome::Kind::Placed;
    FUZZ_CHECK(!endsPlaced || outcome.solved == session.IsSolved());
    FUZZ_CHECK(!outcome.solved || endsPlaced);
    FUZZ_CHECK(!outcome.refused || heldByMouse);
    for (const InputOutcome::Change& change : outcome.changes) {
        FUZZ_CHECK(change.element >= 0 && change.element < ElementSet::kCount);
        FUZZ_CHECK(session.Elements()[change.element].excluded == 0);
    }
    CheckBoard(session);
}

constexpr int kBoardKeys = static_cast<int>(BoardKey::Delete) + 1;
constexpr std::uint8_t kFirstJump = 254;
// Two of a wheel byte's units make an eighth of a degree, so that a byte reaches a notch.
constexpr int kWheelScale = 2;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(data, size);
    const std::vector<ShippedPuzzle>& shipped = ShippedPuzzles();
    PuzzleLibrary noLibrary;
    PlaySession session(noLibrary);
    const std::size_t pick = bytes.Next() % (shipped.size() + 1);
    if (pick < shipped.size()) {
        FUZZ_CHECK(!session.LoadPuzzle(shipped[pick].contents, shipped[pick].path));
    }
    BoardInput input(session);
    const BoardState start = session.State();
    PixelPoint pointer{0, 0};
    while (!bytes.Empty()) {
        bool heldByMouse = session.PlayerHand().byMouse;
        InputOutcome outcome;
        switch (bytes.Next() % 12) {
            case 0:
                pointer = PointOf(bytes, session);
                outcome = input.LeftPressed(pointer);
                break;
            case 1:
                pointer = PointOf(bytes, session);
                outcome = input.PointerMoved(pointer);
                break;
            case 2:
                pointer.x += bytes.Signed();
                pointer.y += bytes.Signed();
                outcome = input.PointerMoved(pointer);
                break;
            case 3:
                outcome = input.LeftReleased(pointer);
                break;
            case 4:
                pointer = PointOf(bytes, session);
                outcome = input.LeftReleased(pointer);
                break;
            case 5:
                pointer = PointOf(bytes, session);
                outcome = input.LeftDoubleClicked(pointer);
                break;
            case 6:
                pointer = PointOf(bytes, session);
                outcome = input.RightReleased(pointer);
                break;
            case 7:
                outcome = input.WheelTurned(bytes.Signed() * kWheelScale);
                break;
            case 8:
                if (const std::uint8_t key = bytes.Next(); key >= kFirstJump) {
                    outcome = input.PlaceJumped(key == kFirstJump ? 1 : -1);
                } else {
                    outcome = input.KeyPressed(static_cast<BoardKey>(key % kBoardKeys));
                }
                break;
            case 9:
                session.Undo();
                break;
            case 10:
                session.Redo();
                break;
            default:  // a click: press and release at one point
                pointer = PointOf(bytes, session);
                CheckOutcome(input.LeftPressed(pointer), heldByMouse, session);
                heldByMouse = session.PlayerHand().byMouse;
                outcome = input.LeftReleased(pointer);
                break;
        }
        CheckOutcome(outcome, heldByMouse, session);
    }

    session.PutHeldHome();
    CheckBoard(session);
    const BoardState end = session.State();
    int undone = 0;
    for (; session.Undo(); ++undone) {
        CheckBoard(session);
    }
    FUZZ_CHECK(SameCells(session.State(), start));
    // As many steps forward as back: steps undone before the end stay redoable past it.
    for (int step = 0; step < undone; ++step) {
        FUZZ_CHECK(session.Redo());
        CheckBoard(session);
    }
    FUZZ_CHECK(SameCells(session.State(), end));
    return 0;
}

}  // namespace tessellix
