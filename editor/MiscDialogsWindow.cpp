#include "editor/MiscDialogsWindow.h"

#include "editor/FontText.h"
#include "platform/Dialogs.h"

namespace tarvin {

// TODO(TfrmMisc): until the meta tag, font and bookmark dialog lands, the font
// face uses the platform's font dialog and the other two faces are not offered.
bool MiscDialogsWindow::ChooseFont(QFont& font, TColor& color)
{
    QColor shown = ColorForDisplay(color);
    const std::optional<QFont> chosen = dialogs_.ChooseFont(font, &shown);
    if (!chosen)
        return false;
    font = *chosen;
    if (shown != ColorForDisplay(color))
        color = ColorFromRgb(shown);
    return true;
}

std::optional<MetaTag> MiscDialogsWindow::AddMetaTag()
{
    return std::nullopt;
}

std::optional<MetaTag> MiscDialogsWindow::EditMetaTag(const MetaTag&)
{
    return std::nullopt;
}

std::optional<QString> MiscDialogsWindow::PickBookmark()
{
    return std::nullopt;
}

} // namespace tarvin
