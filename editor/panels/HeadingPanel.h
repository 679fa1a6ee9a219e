#pragma once
// pnlHeading: a one-line heading with its font.

#include "editor/panels/BlockPanel.h"

class QToolButton;

namespace tarvin {

class FontMemo;
class MiscDialogs;

class HeadingPanel : public BlockPanel {
    Q_OBJECT
public:
    HeadingPanel(MiscDialogs& misc, QWidget* parent = nullptr);

    void Store(TPageItem& item, TPagelette& document) override;
    void Show(TPageItem& item, TPagelette& document) override;

    FontMemo* txtHeading;
    QToolButton* btnHeadingFont;
};

} // namespace tarvin
