#include "play/board_view.h"

#include "platform/wait_cursor.h"
#include "play/play_canvas.h"

namespace tessellix {

BoardView::BoardView(PuzzleLibrary& library, PlayCanvas& view, QObject* parent)
    : QObject(parent),
      session(library),
      canvas(view),
      moving(session, view, backgroundImage, [this] { emit solved(); }) {
    backgroundImage.SetBackgroundColour(kBoardGrey);
    ComposeBackground();
    Paint();

    connect(&canvas, &PlayCanvas::leftPressed, this, [this](QPoint p) {
        moving.LeftPressed({p.x(), p.y()});
    });
    connect(&canvas, &PlayCanvas::moved, this, [this](QPoint p) {
        moving.PointerMoved({p.x(), p.y()});
    });
    connect(&canvas, &PlayCanvas::leftReleased, this, [this](QPoint p) {
        moving.LeftReleased({p.x(), p.y()});
    });
    connect(&canvas, &PlayCanvas::leftDoubleClicked, this, [this](QPoint p) {
        moving.LeftDoubleClicked({p.x(), p.y()});
    });
    connect(&canvas, &PlayCanvas::rightReleased, this, [this](QPoint p) {
        moving.RightReleased({p.x(), p.y()});
    });
    connect(&canvas, &PlayCanvas::wheelTurned, this, [this](QPoint p, int eighthsOfDegree) {
        moving.WheelTurned({p.x(), p.y()}, eighthsOfDegree);
    });
    connect(&canvas, &PlayCanvas::keyPressed, this, [this](int key, bool shift, bool& handled) {
        handled = moving.KeyPressed(key, shift);
    });
}

ImageSurface& BoardView::WindowSurface() {
    return canvas.Surface();
}

void BoardView::ComposeBackground() {
    DrawBoardFrame(backgroundImage, {PixelView::kWidth - 1, PixelView::kHeight - 1});
    session.Puzzle().Draw(backgroundImage, kCellSize, true);
    PixelRect titleRect;
    session.Puzzle().DrawTitle(backgroundImage, titleRect, true);
}

void BoardView::Paint() {
    ImageSurface& window = WindowSurface();
    window.CopyFrom(backgroundImage, {0, 0, PixelView::kWidth, PixelView::kHeight}, {0, 0});
    // The mouse's element is drawn again by its next move; what the keys hold is drawn now.
    if (!moving.Dragging() || moving.HeldByKeys()) {
        for (const Element& element : session.Elements()) {
            if (element.excluded == 0 && element.id != moving.DraggedIndex()) {
                element.Draw(window, kCellSize, true);
            }
        }
    }
    if (moving.HeldByKeys()) {
        moving.RedrawHeld();
    }
    canvas.RepaintAll();
    moving.ShowChoice();
}

void BoardView::RedrawTitle() {
    PixelRect titleRect;
    session.Puzzle().DrawTitle(backgroundImage, titleRect, true);
    Paint();
}

std::optional<Failure> BoardView::SwitchToPuzzle(int index) {
    const WaitCursor wait;
    std::optional<Failure> failure = session.SwitchToPuzzle(index);
    if (!failure) {
        moving.CancelDrag();
        moving.ForgetChoice();
        ComposeBackground();
        Paint();
    }
    return failure;
}

void BoardView::ResetBoard() {
    const BoardState before = session.State();
    SendAllHome();
    session.RecordMove(before);
    moving.ShowChoice();
}

bool BoardView::Undo() {
    if (moving.Dragging() || !session.Undo()) {
        return false;
    }
    Paint();
    return true;
}

bool BoardView::Redo() {
    if (moving.Dragging() || !session.Redo()) {
        return false;
    }
    Paint();
    return true;
}

void BoardView::SendAllHome() {
    moving.CancelDrag();
    const PixelRect area = MovingElements::CopyRect(session.Puzzle());
    WindowSurface().CopyFrom(backgroundImage, area, {area.left, area.top});
    canvas.RepaintRect(area);
    for (int index : session.ResetBoard()) {
        moving.DrawAtHome(session.Elements()[index]);
    }
}

void BoardView::ShowHint(int option, int count) {
    const BoardState before = session.State();
    SendAllHome();
    int left = option == 0 ? ElementSet::kCount : count;
    for (Element& element : session.Elements()) {
        if (element.excluded != 0 || left <= 0) {
            continue;
        }
        --left;
        if (option == 0) {
            element.TurnToSolution();
            moving.DrawAtHome(element);
            continue;
        }
        if (!session.PlaceAtSolution(element.id)) {
            moving.DrawAtHome(element);
            continue;
        }
        // The box is emptied: the element has left it for the puzzle.
        const PixelRect box = element.GetBoxRect();
        WindowSurface().FillRect(box, kBandGrey);
        canvas.RepaintRect(box);
        moving.DrawInPlace(element);
    }
    session.RecordMove(before);
    moving.ShowChoice();
}

}  // namespace tessellix
