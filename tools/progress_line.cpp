#include "tools/progress_line.h"

#include <unistd.h>

#include <iostream>

namespace tessellix {

namespace {

constexpr std::chrono::milliseconds kInterval(200);

}  // namespace

ProgressLine::ProgressLine() : shown(::isatty(STDERR_FILENO) == 1) {}

ProgressLine::~ProgressLine() {
    Clear();
}

void ProgressLine::Clear() {
    if (written) {
        std::cerr << "\r\033[K" << std::flush;
        written = false;
    }
}

bool ProgressLine::Due() const {
    return shown && std::chrono::steady_clock::now() - last > kInterval;
}

void ProgressLine::Show(const std::string& text) {
    if (!Due()) {
        return;
    }
    last = std::chrono::steady_clock::now();
    written = true;
    std::cerr << "\r\033[K" << text << std::flush;
}

}  // namespace tessellix
