#pragma once
// pnlText: a paragraph with its font; text can be imported from a file.

#include "editor/panels/BlockPanel.h"
#include "editor/panels/PanelServices.h"

class QToolButton;

namespace tarvin {

class FontMemo;

class TextPanel : public BlockPanel {
    Q_OBJECT
public:
    TextPanel(const PanelServices& services, QWidget* parent = nullptr);

    void Store(TPageItem& item, TPagelette& document) override;
    void Show(TPageItem& item, TPagelette& document) override;

    QToolButton* btnTextImport;
    QToolButton* btnTextFont;
    FontMemo* txtText;
};

} // namespace tarvin
