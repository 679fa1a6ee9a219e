#include "editor/panels/GlyphButton.h"

namespace tarvin {

QToolButton* MakeGlyphButton(Glyph glyph, const QString& hint)
{
    auto* button = new QToolButton;
    button->setIcon(GlyphIcon(glyph));
    button->setToolTip(hint);
    button->setAutoRaise(false);
    return button;
}

} // namespace tarvin
