#pragma once
// TColor ($00BBGGRR) to and from Qt's colours; only the three low bytes count.

#include "document/PageModel.h"

#include <QColor>

namespace tarvin {

inline QColor ToQColor(TColor color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

inline TColor FromQColor(const QColor& color) {
    return static_cast<TColor>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

} // namespace tarvin
