#pragma once
// Palette files (*.pal): text files of up to 256 colours, one colour line per
// swatch. A colour line is longer than 3 characters and holds nothing but
// digits and spaces; every other line (a title, a colour count) is skipped.

#include "document/PageModel.h"

#include <array>
#include <string_view>

namespace tarvin {

inline constexpr int PaletteSize = 256;
inline constexpr TColor PaletteWhite = 0x00FFFFFF;

// Slot i is drawn at column i mod 16, row i div 16.
using PaletteColors = std::array<TColor, PaletteSize>;

// The slots a palette file's text fills, in file order; slots no colour line
// fills are white. A component a colour line leaves out keeps its value from
// the line before (0 before the first line).
PaletteColors ParsePalette(std::string_view text);

} // namespace tarvin
