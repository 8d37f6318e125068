#include "play/board_reader.h"

#include <QAccessible>

#include "model/play_session.h"
#include "play/board_listener.h"
#include "play/board_view.h"
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

const BoardNames& BoardReader::Names() const {
    const PlaySession& session = board.Session();
    ElementsSeen elements{session.PlayerHand().held, session.PlayerHand().byMouse ? 1 : 0,
                          session.Puzzle().side};
    for (const Element& element : session.Elements()) {
        int* seen = &elements[3 + 4 * element.id];
        seen[0] = element.x;
        seen[1] = element.y;
        seen[2] = element.orientation;
        seen[3] = element.excluded;
    }
    if (!names || elements != namedElements || session.Puzzle().cells != namedCells) {
        names.emplace(session);
        namedElements = elements;
        namedCells = session.Puzzle().cells;
    }
    return *names;
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

BoardListener* BoardReader::Listener() const {
    if (!QAccessible::isActive()) {
        return nullptr;
    }
    return dynamic_cast<BoardListener*>(QAccessible::queryAccessibleInterface(&canvas));
}

void BoardReader::Announced(const BilingualText& text) {
    sentence = text;
    if (BoardListener* listener = Listener()) {
        listener->Speak();
    }
}

void BoardReader::Changed(const InputOutcome& outcome) {
    if (BoardListener* listener = Listener()) {
        listener->Tell(outcome);
    }
}

}  // namespace tessellix
