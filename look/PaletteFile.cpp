#include "look/PaletteFile.h"

#include <algorithm>

namespace tarvin {

namespace {

bool IsColourLine(std::string_view line) {
    return line.size() > 3 &&
           std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || (c >= '0' && c <= '9'); });
}

// Takes up to three numbers from the line's single-space pieces; empty pieces
// and pieces of 4 or more digits are no numbers, and a number caps at 255.
void TakeComponents(std::string_view line, std::array<int, 3>& rgb) {
    std::size_t taken = 0;
    while (taken < rgb.size()) {
        const std::size_t space = line.find(' ');
        const std::string_view piece = line.substr(0, space);
        if (!piece.empty() && piece.size() <= 3) {
            int value = 0;
            for (char digit : piece) value = value * 10 + (digit - '0');
            rgb[taken++] = std::min(value, 255);
        }
        if (space == std::string_view::npos) break;
        line.remove_prefix(space + 1);
    }
}

} // namespace

PaletteColors ParsePalette(std::string_view text) {
    PaletteColors slots;
    slots.fill(PaletteWhite);
    std::array<int, 3> rgb{0, 0, 0};
    int filled = 0;
    // A bare CR, a bare LF and CR LF all end a line; the empty lines that
    // splitting at each of them leaves are no colour lines anyway.
    while (!text.empty() && filled < PaletteSize) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!IsColourLine(line)) continue;
        TakeComponents(line, rgb);
        slots[filled++] = static_cast<TColor>(rgb[0] | (rgb[1] << 8) | (rgb[2] << 16));
    }
    return slots;
}

} // namespace tarvin
