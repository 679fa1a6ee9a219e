#include "editor/MiscDialogsWindow.h"

#include "assistants/MiscTexts.h"
#include "assistants/TfrmMisc.h"
#include "editor/FontText.h"
#include "platform/CursorGuard.h"

#include <QApplication>
#include <memory>

namespace tarvin {

namespace {

// The hourglass shows while the dialog is built, not while the user works in it.
std::unique_ptr<TfrmMisc> MakeDialog(SharedOpenDialog& openDialog, const QString& resourceFolder, TMiscDialogMode mode)
{
    const HourglassCursor hourglass;
    auto dialog = std::make_unique<TfrmMisc>(openDialog, QDir::homePath(), QApplication::activeWindow());
    dialog->SetProgramFolder(resourceFolder);
    dialog->SetDialogMode(mode);
    return dialog;
}

} // namespace

bool MiscDialogsWindow::ChooseFont(QFont& font, TColor& color)
{
    auto dialog = MakeDialog(openDialog_, resourceFolder_, dmFont);
    const QColor shown = ColorForDisplay(color);
    dialog->SetSample(font, shown);
    if (dialog->exec() != QDialog::Accepted)
        return false;
    font = dialog->SampleFont();
    // A colour picked with the Color button replaces the description's; left
    // alone, the description keeps its own, the "no colour" marker included.
    if (dialog->SampleColor() != shown)
        color = ColorFromRgb(dialog->SampleColor());
    return true;
}

std::optional<MetaTag> MiscDialogsWindow::AddMetaTag()
{
    return RunMetaFace({misc_texts::kMetaNames[0], QString()});
}

std::optional<MetaTag> MiscDialogsWindow::EditMetaTag(const MetaTag& tag)
{
    return RunMetaFace(tag);
}

std::optional<MetaTag> MiscDialogsWindow::RunMetaFace(const MetaTag& start)
{
    auto dialog = MakeDialog(openDialog_, resourceFolder_, dmMeta);
    dialog->SelectMetaName(start.name);
    dialog->SetMetaContent(start.content);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return MetaTag{dialog->MetaName(), dialog->MetaContent()};
}

std::optional<QString> MiscDialogsWindow::PickBookmark()
{
    auto dialog = MakeDialog(openDialog_, resourceFolder_, dmBookmarks);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->SelectedBookmark();
}

} // namespace tarvin
