#pragma once

#include <QObject>
#include <QRect>
#include <array>
#include <optional>
#include <vector>

#include "library/bilingual_text.h"
#include "model/board_names.h"
#include "model/input_outcome.h"

namespace tessellix {

class BoardListener;
class BoardView;
class PlayCanvas;
class PlaySession;

// The play board as a screen reader hears it: the canvas's accessible interface reads its names
// here, and is told of each change of the board and each sentence the board speaks, while a
// screen reader listens. A child of the canvas.
class BoardReader : public QObject {
    Q_OBJECT
  public:
    BoardReader(BoardView& board, PlayCanvas& canvas);

    // The reader of a canvas; none when the canvas has none.
    static const BoardReader* Of(const QObject* canvas);

    // Built again only when the board differs from the one named last: a reader asks for every
    // cell's name one by one.
    const BoardNames& Names() const;
    const PlaySession& Session() const;
    // The last sentence spoken; empty before the first.
    const BilingualText& Sentence() const { return sentence; }
    // On the screen.
    QRect CellRect(BoardPlace place) const;
    QRect ElementRect(int element) const;

  private:
    void Announced(const BilingualText& text);
    void Changed(const InputOutcome& outcome);
    // The canvas's accessible interface, made only while a screen reader listens.
    BoardListener* Listener() const;

    BoardView& board;
    PlayCanvas& canvas;
    BilingualText sentence;
    mutable std::optional<BoardNames> names;
    mutable std::vector<int> namedCells;
    // The hand, the puzzle's side, and each element's place, turn and use.
    using ElementsSeen = std::array<int, 3 + 4 * ElementSet::kCount>;
    mutable ElementsSeen namedElements{};
};

}  // namespace tessellix
