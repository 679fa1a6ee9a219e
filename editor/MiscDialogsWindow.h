#pragma once
// The font, meta tag and bookmark dialog faces on the real dialog window.

#include "editor/MiscDialogs.h"

#include <QString>

class QWidget;

namespace tarvin {

class SharedOpenDialog;

class MiscDialogsWindow : public MiscDialogs {
public:
    // The bookmarks face asks for a file through the main window's open dialog.
    // resourceFolder: where the colour picker finds the shipped palettes.
    MiscDialogsWindow(SharedOpenDialog& openDialog, QString resourceFolder)
        : openDialog_(openDialog), resourceFolder_(std::move(resourceFolder))
    {
    }

    bool ChooseFont(QFont& font, TColor& color) override;
    std::optional<MetaTag> AddMetaTag() override;
    std::optional<MetaTag> EditMetaTag(const MetaTag& tag) override;
    std::optional<QString> PickBookmark() override;

private:
    std::optional<MetaTag> RunMetaFace(const MetaTag& start);

    SharedOpenDialog& openDialog_;
    QString resourceFolder_;
};

} // namespace tarvin
