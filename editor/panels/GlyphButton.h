#pragma once
// The small glyph buttons of the panels: a picture and a hint, no caption.

#include "editor/Glyphs.h"

#include <QToolButton>

namespace tarvin {

QToolButton* MakeGlyphButton(Glyph glyph, const QString& hint);

} // namespace tarvin
