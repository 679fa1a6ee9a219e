#pragma once
// Where each of the program's small pictures lies in the glyph atlas: one
// column of pictures, each at the left edge, in a fixed order. The build
// draws the atlas (PictureTool) and Glyphs cuts the pictures out of it.

#include "editor/Glyphs.h"

#include <QImage>

namespace tarvin::atlas {

inline constexpr QImage::Format PixelFormat = QImage::Format_ARGB32_Premultiplied;
inline constexpr int Width = 32;
inline constexpr int IconSize = 16;
inline constexpr int LargeSize = 32;  // the bin pictures and the cursors

inline constexpr int BlockCount = static_cast<int>(TBlockType::btForms) + 1;
inline constexpr int GlyphCount = static_cast<int>(Glyph::Paragraph) + 1;
inline constexpr int BinCount = 2;
inline constexpr int CursorCount = 2;

struct Slot {
    int top;
    int size;
};

constexpr Slot BlockSlot(TBlockType type) { return {static_cast<int>(type) * IconSize, IconSize}; }
constexpr Slot GlyphSlot(Glyph glyph) { return {(BlockCount + static_cast<int>(glyph)) * IconSize, IconSize}; }
inline constexpr int LargeTop = (BlockCount + GlyphCount) * IconSize;
constexpr Slot BinSlot(BinPicture picture) { return {LargeTop + static_cast<int>(picture) * LargeSize, LargeSize}; }
enum class CursorPicture { NewDrag, SizeAll };
constexpr Slot CursorSlot(CursorPicture cursor)
{
    return {LargeTop + (BinCount + static_cast<int>(cursor)) * LargeSize, LargeSize};
}
inline constexpr int Height = LargeTop + (BinCount + CursorCount) * LargeSize;

} // namespace tarvin::atlas
