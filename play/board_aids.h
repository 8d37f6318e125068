#pragma once

#include <memory>
#include <vector>

#include "model/play_session.h"
#include "solver/board_questions.h"
#include "solver/step_explainer.h"

namespace tessellix {

// The aids that look at the live board, Check board, Hint from here, Explain a step and Show
// mistakes: they ask the solver's board questions with every placed element held where it lies,
// and make its answers the session's marks and moves through the session's own calls. The
// questions of one puzzle are kept while it is played, so that what one answer learnt speeds up
// the next.
class BoardAids {
  public:
    explicit BoardAids(PlaySession& session) : session(session) {}

    // The board's prospects; when it cannot be finished, the elements to take away are marked.
    BoardCheck Check();
    // One more element set where a completion of the board puts it, the stored solution's
    // place when that solution keeps every placed element: a move, and a hint. When the board
    // cannot be finished, nothing is placed and the elements to take away are marked.
    BoardHint HintFromHere();
    // The next step a player can reason out, its cells marked: a region that cannot be covered
    // framed, with the elements to take away marked, or those alone when no region shows it; the
    // cell of a forced placement or of a guess framed; a forced placement outlined. Nothing on a
    // solved board.
    std::optional<ExplainedStep> Explain();
    // After a drop: the element the drop placed is marked when the board can no longer be
    // finished.
    void MarkIfMistake();

  private:
    BoardQuestions& Questions();
    std::vector<PlacedElement> Placed() const;

    PlaySession& session;
    std::unique_ptr<BoardQuestions> questions;
    // The puzzle the questions are about: its cells and used elements.
    std::vector<int> askedCells;
    unsigned askedElements = 0;
};

}  // namespace tessellix
