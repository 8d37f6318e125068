#pragma once

#include <algorithm>
#include <vector>

namespace tessellix {

// The middle value of the measurements, which one slow outlier does not move.
inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace tessellix
