#pragma once
// Keyboard focus order for controls built after the window around them.

class QWidget;

namespace tarvin {

// A widget that joins a window later than its neighbours joins the end of
// the window's focus chain. This moves widget's focusable controls, in their
// own order, to just before next's, where Tab would have found them had the
// widget been built before next.
void PlaceInFocusChainBefore(QWidget& widget, const QWidget& next);

} // namespace tarvin
