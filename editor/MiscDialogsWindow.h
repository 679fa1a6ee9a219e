#pragma once
// The font, meta tag and bookmark dialog faces on the real dialog window.

#include "editor/MiscDialogs.h"

class QWidget;

namespace tarvin {

class SharedOpenDialog;

class MiscDialogsWindow : public MiscDialogs {
public:
    // The bookmarks face asks for a file through the main window's open dialog.
    explicit MiscDialogsWindow(SharedOpenDialog& openDialog) : openDialog_(openDialog) {}

    bool ChooseFont(QFont& font, TColor& color) override;
    std::optional<MetaTag> AddMetaTag() override;
    std::optional<MetaTag> EditMetaTag(const MetaTag& tag) override;
    std::optional<QString> PickBookmark() override;

private:
    std::optional<MetaTag> RunMetaFace(const MetaTag& start);

    SharedOpenDialog& openDialog_;
};

} // namespace tarvin
