#pragma once

#include <atomic>
#include <functional>

#include "platform/background_task.h"
#include "solver/puzzle_generator.h"

class QWidget;

namespace tessellix {

// A generator run as the window starts it: it reads cancel now and then, and tells progress
// of every shape it has tried.
using GeneratorJob = std::function<GeneratedPuzzle(const std::atomic<bool>& cancel,
                                                   const std::function<void(int tries)>& progress)>;

// Runs job off the GUI thread as RunInBackground does, its progress the shapes tried so far, and
// returns what it made, or the failure that an exception of the job left.
Result<GeneratedPuzzle> RunInBackground(const GeneratorJob& job, QWidget* owner);

}  // namespace tessellix
