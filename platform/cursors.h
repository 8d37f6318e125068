#pragma once

#include <QCursor>

namespace tessellix {

// The editor's own cursors, 32 x 32 pictures with their hot spots.

// The pencil shown over the canvas; hot spot (4, 4), the point.
QCursor PencilCursor();

// The pointing hand shown over an element; hot spot (7, 1), the finger tip.
QCursor HandCursor();

}  // namespace tessellix
