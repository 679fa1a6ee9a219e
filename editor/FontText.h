#pragma once
// Fonts of the heading and paragraph memos as font descriptions:
// "Name", size, [Bold|Italic|Underline], [colour text].

#include "document/PageModel.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <string>
#include <string_view>

namespace tarvin {

std::string FontToString(const QFont& font, TColor color);
// Reads a description written by FontToString into font and color; throws
// EConvertError when the size or the colour cannot be read.
void StringToFont(std::string_view description, QFont& font, TColor& color);

// How a colour of a description looks on screen: system colours take the
// palette's matching role, clNone the text colour.
QColor ColorForDisplay(TColor color, const QPalette& palette);
QColor ColorForDisplay(TColor color);
TColor ColorFromRgb(const QColor& color);

} // namespace tarvin
