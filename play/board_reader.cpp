#include "play/board_reader.h"

#include <QAccessible>

#include "model/play_session.h"
#include "play/board_view.h"
#include "play/canvas_accessible.h"
#include "play/play_canvas.h"

namespace tessellix {

BoardReader::BoardReader(BoardView& board, PlayCanvas& canvas)
    : QObject(&canvas), board(board), canvas(canvas) {
    connect(&board, &BoardView::announced, this, &BoardReader::Announced);
    connect(&board, &BoardView::changed, this, &BoardReader::Changed);
}

const BoardReader* BoardReader::Of(const QObject* canvas) {
    return canvas == nullptr
               ? nullptr
               : canvas->findChild<BoardReader*>(QString(), Qt::FindDirectChildrenOnly);
}

BoardNames BoardReader::Names() const {
    return BoardNames(board.Session());
}

const PlaySession& BoardReader::Session() const {
    return board.Session();
}

QRect BoardReader::CellRect(BoardPlace place) const {
    const PuzzleShape& puzzle = board.Session().Puzzle();
    const GridCell cell = BoardPlaces(puzzle.cells, puzzle.side).CellAt(place);
    const int zoom = canvas.Zoom();
    const QPoint corner((puzzle.x + cell.column * kCellSize) * zoom,
                        (puzzle.y + cell.row * kCellSize) * zoom);
    return {canvas.mapToGlobal(corner), QSize(kCellSize * zoom, kCellSize * zoom)};
}

QRect BoardReader::ElementRect(int index) const {
    const Element& element = board.Session().Elements()[index];
    const int zoom = canvas.Zoom();
    return {canvas.mapToGlobal(QPoint(element.x * zoom, element.y * zoom)),
            QSize(element.width * zoom, element.height * zoom)};
}

CanvasAccessible* BoardReader::Accessible() const {
    if (!QAccessible::isActive()) {
        return nullptr;
    }
    return dynamic_cast<CanvasAccessible*>(QAccessible::queryAccessibleInterface(&canvas));
}

void BoardReader::Announced(const BilingualText& text) {
    sentence = text;
    if (CanvasAccessible* accessible = Accessible()) {
        accessible->Speak();
    }
}

void BoardReader::Changed(const InputOutcome& outcome) {
    if (CanvasAccessible* accessible = Accessible()) {
        accessible->Tell(outcome);
    }
}

}  // namespace tessellix
