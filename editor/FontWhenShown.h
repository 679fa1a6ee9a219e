#pragma once
// Taking a font lays a text box's text out in it, which loads the font from
// the system. The panels of a new window are hidden, so that work can wait
// until a panel is first shown instead of delaying the window's first picture.

class QFont;
class QWidget;

namespace tarvin {

// Sets the font at once on a visible widget; a hidden one takes it (the one
// set last) when it is shown.
void SetFontWhenShown(QWidget& widget, const QFont& font);

} // namespace tarvin
