#pragma once

namespace tessellix {

// Shows the wait cursor for the guard's lifetime; guards nest.
class WaitCursor {
  public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace tessellix
