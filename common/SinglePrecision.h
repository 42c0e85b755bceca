#pragma once

#include <limits>

namespace ravemo {

// A double in single precision, defined for every input: a finite value beyond the single
// range becomes the infinity of its sign instead of an undefined conversion; NaN stays NaN.
inline float ToSingle(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (value > kLargest) return std::numeric_limits<float>::infinity();
    if (value < -kLargest) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

}  // namespace ravemo
