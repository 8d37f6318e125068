#pragma once

class QWidget;

namespace tessellix {

class BoardView;

// Explain a step: the board aids' next step marked on the board, said to a screen reader and
// told in a message owned by `owner`. A forced placement is offered as "Place it", which sets it
// on the board as a hint from here does. Nothing on a solved board.
void ExplainStep(BoardView& board, QWidget* owner);

}  // namespace tessellix
