#pragma once
// pnlBullets: a bullet list, one entry per line, and its style.

#include "editor/panels/BlockPanel.h"
#include "editor/panels/PanelServices.h"

class QComboBox;
class QPlainTextEdit;
class QToolButton;

namespace tarvin {

class BulletPanel : public BlockPanel {
    Q_OBJECT
public:
    BulletPanel(const PanelServices& services, QWidget* parent = nullptr);

    void Store(TPageItem& item, TPagelette& document) override;
    void Show(TPageItem& item, TPagelette& document) override;

    QToolButton* btnBulletImport;
    QComboBox* cbBullets;
    QPlainTextEdit* txtBullets;
};

} // namespace tarvin
