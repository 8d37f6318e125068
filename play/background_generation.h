#pragma once

#include <atomic>
#include <functional>

#include "library/failure.h"
#include "solver/puzzle_generator.h"

class QWidget;

namespace tessellix {

// A generator run as the window starts it: it reads cancel now and then, and tells progress
// of every shape it has tried.
using GeneratorJob = std::function<GeneratedPuzzle(const std::atomic<bool>& cancel,
                                                   const std::function<void(int tries)>& progress)>;

// A run that ends sooner shows no progress dialog.
inline constexpr int kProgressDelayMs = 500;

// Runs job on a thread of its own and returns what it made, read only once the thread has ended;
// an exception that the job throws ends it too and comes back as a failure that says what it
// was. Meanwhile the GUI thread goes on handling events under the wait cursor, so that the window
// repaints, while the player's input reaches only the progress dialog: it appears after
// kProgressDelayMs, owned by owner, and its Cancel tells the job to stop. Nothing that the job or
// its progress calls may touch a widget.
Result<GeneratedPuzzle> RunInBackground(const GeneratorJob& job, QWidget* owner);

}  // namespace tessellix
