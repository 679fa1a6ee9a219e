#pragma once
// The font, meta tag and bookmark dialog faces on the real dialog window.

#include "editor/MiscDialogs.h"

namespace tarvin {

class Dialogs;

class MiscDialogsWindow : public MiscDialogs {
public:
    explicit MiscDialogsWindow(Dialogs& dialogs) : dialogs_(dialogs) {}

    bool ChooseFont(QFont& font, TColor& color) override;
    std::optional<MetaTag> AddMetaTag() override;
    std::optional<MetaTag> EditMetaTag(const MetaTag& tag) override;
    std::optional<QString> PickBookmark() override;

private:
    Dialogs& dialogs_;
};

} // namespace tarvin
