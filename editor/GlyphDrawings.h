#pragma once
// Draws the program's small pictures (block icons, toolbar glyphs, bin
// pictures, drag cursors) into the glyph atlas. Only the build runs it; the
// program takes the drawn pixels from its resources.

#include <QImage>

namespace tarvin {

QImage DrawGlyphAtlas();

} // namespace tarvin
