#pragma once

#include <vector>

namespace tessellix {

// What one input did to the board, in the order it happened: the view draws what changed and
// holds or lets go of the mouse as told, and a reader can say which element did what.
struct InputOutcome {
    enum class Kind { Chosen, Lifted, Moved, Turned, Mirrored, Placed, WentHome, SentHome };
    // WentHome: a drop where the element fits nowhere; SentHome: put home on purpose.
    struct Change {
        Kind kind;
        int element;
        friend bool operator==(const Change&, const Change&) = default;
    };
    enum class Mouse { Keep, Grab, LetGo };

    std::vector<Change> changes;
    Mouse mouse = Mouse::Keep;
    // The drop left no free cell; nothing else happened after it.
    bool solved = false;
    // A key the board does not take now, for the widget to pass on.
    bool refused = false;

    bool Changed() const { return !changes.empty(); }
    // Whether the last change is a drop, as the check for a mistaken drop needs: a move after
    // it would clear the mark at once.
    bool EndsWithDrop() const {
        return !changes.empty() &&
               (changes.back().kind == Kind::Placed || changes.back().kind == Kind::WentHome);
    }
};

}  // namespace tessellix
