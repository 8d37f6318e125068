#include "model/move_history.h"

namespace tessellix {

void MoveHistory::Begin(const BoardState& before) {
    if (!moveStart) {
        moveStart = before;
    }
}

void MoveHistory::End(const BoardState& after) {
    if (!moveStart) {
        return;
    }
    if (!SameCells(*moveStart, after)) {
        undoable.push_back({*moveStart, after});
        redoable.clear();
    }
    moveStart.reset();
}

bool MoveHistory::CanTravel(Direction direction) const {
    return !(direction == Direction::Back ? undoable : redoable).empty();
}

std::optional<BoardState> MoveHistory::Travel(Direction direction) {
    const bool back = direction == Direction::Back;
    std::vector<Step>& from = back ? undoable : redoable;
    std::vector<Step>& to = back ? redoable : undoable;
    if (from.empty()) {
        return std::nullopt;
    }
    to.push_back(from.back());
    from.pop_back();
    return back ? to.back().before : to.back().after;
}

void MoveHistory::Clear() {
    moveStart.reset();
    undoable.clear();
    redoable.clear();
}

}  // namespace tessellix
