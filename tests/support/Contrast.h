#pragma once
// Contrast between two colours as the Web Content Accessibility Guidelines
// measure it: from 1 (the same) to 21 (black on white). Reading text wants
// 4.5 or more.

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tarvin::testing {

// Relative luminance of an sRGB colour given as red, green and blue bytes.
inline double Luminance(int red, int green, int blue)
{
    const auto linear = [](int byte) {
        const double c = byte / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue);
}

// Colours as the themes keep them: red in the lowest byte.
inline double LuminanceOf(std::uint32_t colour)
{
    return Luminance(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

inline double Contrast(double luminanceA, double luminanceB)
{
    return (std::max(luminanceA, luminanceB) + 0.05) / (std::min(luminanceA, luminanceB) + 0.05);
}

} // namespace tarvin::testing
