#pragma once
// The picker's eyedropper cursor, drawn here rather than loaded from a file.

#include <QCursor>

namespace tarvin {

// A pipette whose tip, at the bottom left, is the hot spot.
QCursor EyedropperCursor();

} // namespace tarvin
