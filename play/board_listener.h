#pragma once

#include "model/input_outcome.h"

namespace tessellix {

// What the board's reader tells a screen reader's view of the canvas: the board changed, or
// the board spoke a sentence.
class BoardListener {
  public:
    virtual ~BoardListener() = default;
    virtual void Tell(const InputOutcome& outcome) = 0;
    virtual void Speak() = 0;
};

}  // namespace tessellix
