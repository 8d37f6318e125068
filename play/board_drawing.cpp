#include "play/board_drawing.h"

#include <algorithm>
#include <vector>

#include "play/play_canvas.h"

namespace tessellix {

namespace {

// The focus frame stands this far outside the chosen element's cells.
constexpr int kFocusMargin = 2;

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

PixelRect Bounding(const PixelRect& a, const PixelRect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

}  // namespace

BoardDrawing::BoardDrawing(const PlaySession& board, const ImageSurface& picture, PlayCanvas& view)
    : session(board), background(picture), canvas(view) {}

PixelRect BoardDrawing::CopyRect(const CellShape& shape) {
    return {shape.x, shape.y, shape.x + shape.width + 1, shape.y + shape.height + 1};
}

BoardDrawing::Look BoardDrawing::LookOf(int index) const {
    const Element& element = session.Elements()[index];
    if (element.excluded != 0) {
        return {};
    }
    const std::vector<int>& marked = session.Marked();
    return {true, CopyRect(element), element.orientation, session.PlayerHand().held == index,
            std::find(marked.begin(), marked.end(), index) != marked.end()};
}

void BoardDrawing::Compose(ImageSurface& target, const PixelRect& rect) const {
    target.SetClip(rect);
    target.CopyFrom(background, rect, {rect.left, rect.top});
    const ElementSet& elements = session.Elements();
    const int held = session.PlayerHand().held;
    for (int i = 0; i < ElementSet::kCount; ++i) {
        const Look look = LookOf(i);
        if (i != held && look.shown && Overlap(look.rect, rect)) {
            elements[i].Draw(target, kCellSize, true);
        }
    }
    for (const int index : session.Marked()) {
        if (index != held && Overlap(LookOf(index).rect, rect)) {
            elements[index].DrawMark(target);
        }
    }
    const StepMarks& step = session.StepMarked();
    if (!step.IsEmpty() && Overlap(step.Bounds(PuzzleOrigin()), rect)) {
        step.Draw(target, PuzzleOrigin());
    }
    if (held >= 0 && Overlap(LookOf(held).rect, rect)) {
        elements[held].Draw(target, kCellSize, true);
    }
    target.SetClip(std::nullopt);
}

void BoardDrawing::ComposeAll() {
    const PixelRect whole{0, 0, kPictureWidth, kPictureHeight};
    Compose(canvas.Surface(), whole);
    canvas.RepaintAll();
    for (int i = 0; i < ElementSet::kCount; ++i) {
        drawn[i] = LookOf(i);
    }
    drawnStep = session.StepMarked();
    ShowChoice();
}

void BoardDrawing::ShowBackgroundOnly() {
    canvas.Surface().CopyFrom(background, {0, 0, kPictureWidth, kPictureHeight}, {0, 0});
    canvas.RepaintAll();
    drawn.fill({});
    drawnStep = {};
    ShowChoice();
}

void BoardDrawing::Update() {
    std::vector<PixelRect> changed;
    for (int i = 0; i < ElementSet::kCount; ++i) {
        const Look now = LookOf(i);
        if (now == drawn[i]) {
            continue;
        }
        for (const Look& look : {drawn[i], now}) {
            if (look.shown) {
                changed.push_back(look.rect);
            }
        }
        drawn[i] = now;
    }
    if (session.StepMarked() != drawnStep) {
        for (const StepMarks& marks : {drawnStep, session.StepMarked()}) {
            if (!marks.IsEmpty()) {
                changed.push_back(marks.Bounds(PuzzleOrigin()));
            }
        }
        drawnStep = session.StepMarked();
    }
    // Overlapping rectangles, as a drag step's old and new place, are composed once as their
    // bounding box: outside them it draws what is there already. Only they are repainted.
    std::vector<PixelRect> composed;
    for (const PixelRect& rect : changed) {
        PixelRect box = rect;
        for (auto other = composed.begin(); other != composed.end();) {
            if (Overlap(box, *other)) {
                box = Bounding(box, *other);
                other = composed.erase(other);
                other = composed.begin();
            } else {
                ++other;
            }
        }
        composed.push_back(box);
    }
    for (const PixelRect& rect : composed) {
        Compose(canvas.Surface(), rect);
    }
    for (const PixelRect& rect : changed) {
        canvas.RepaintRect(rect);
    }
    ShowChoice();
}

PixelPoint BoardDrawing::PuzzleOrigin() const {
    return {session.Puzzle().x, session.Puzzle().y};
}

void BoardDrawing::ShowChoice() {
    const Hand& hand = session.PlayerHand();
    // No frame while the mouse holds an element: a drag repaints only the element's rectangles.
    if (hand.chosen < 0 || hand.byMouse) {
        canvas.SetFocusFrame(std::nullopt);
        return;
    }
    const PixelRect cells = CopyRect(session.Elements()[hand.chosen]);
    canvas.SetFocusFrame(PixelRect{cells.left - kFocusMargin, cells.top - kFocusMargin,
                                   cells.right + kFocusMargin, cells.bottom + kFocusMargin});
}

}  // namespace tessellix
