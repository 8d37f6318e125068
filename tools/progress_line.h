#pragma once

#include <chrono>
#include <string>

namespace tessellix {

// A line on standard error telling how far a long command has got, for a person watching:
// shown only on a terminal, renewed at most five times a second, and wiped at the end.
class ProgressLine {
  public:
    ProgressLine();
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // Whether a new text would be shown now, so that it is only made when it will be.
    bool Due() const;
    void Show(const std::string& text);
    // Wipes the line, so that other output starts at the left margin.
    void Clear();

  private:
    bool shown;
    bool written = false;
    std::chrono::steady_clock::time_point last = std::chrono::steady_clock::now();
};

}  // namespace tessellix
