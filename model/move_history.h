#pragma once

#include <optional>
#include <vector>

#include "model/board_state.h"

namespace tessellix {

// The undo history of one board, as whole boards: each step holds the board before a move and
// the board after it. A move is begun before its first change and ended once the hand is empty
// again; a move that leaves the same cells everywhere (a turn of X, say) is no step.
class MoveHistory {
  public:
    enum class Direction { Back, Forward };

    // A move begins on `before`, unless one is begun already: moves made while the hand holds
    // belong to the move that the drop ends.
    void Begin(const BoardState& before);
    // The move begun ends on `after`; as a new step, it forgets every step travelled back over.
    void End(const BoardState& after);

    // Whether a step lies that way.
    bool CanTravel(Direction direction) const;
    // The board one step back (before the last move) or forward (after the next one), that step
    // crossed; nothing at that end of the history.
    std::optional<BoardState> Travel(Direction direction);
    // Every step and the move begun are forgotten: the board as it is starts a history of its
    // own.
    void Clear();

  private:
    struct Step {
        BoardState before;
        BoardState after;
    };

    std::optional<BoardState> moveStart;
    std::vector<Step> undoable;
    std::vector<Step> redoable;
};

}  // namespace tessellix
