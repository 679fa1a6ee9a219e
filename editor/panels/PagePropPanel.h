#pragma once
// pnlPageProp: the page details (title, link underlining, meta tags).

#include "editor/panels/BlockPanel.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tarvin {

class MiscDialogs;
class TListBoxHrz;

class PagePropPanel : public BlockPanel {
    Q_OBJECT
public:
    PagePropPanel(MiscDialogs& misc, QWidget* parent = nullptr);

    void Store(TPageItem& item, TPagelette& document) override;
    void Show(TPageItem& item, TPagelette& document) override;

    void btnMetaAddClick();
    void btnMetaEditClick();
    void btnMetaRemoveClick();
    void lstMetaClick();

    QLineEdit* txtPageTitle;
    QCheckBox* chkLinkUnderline;
    // Never shown or changed here; the page generator reads it.
    QCheckBox* chkOstrelLogo;
    QPushButton* btnTheme;
    TListBoxHrz* lstMeta;
    QToolButton* btnMetaAdd;
    QToolButton* btnMetaRemove;
    QToolButton* btnMetaEdit;

private:
    MiscDialogs& misc_;
};

} // namespace tarvin
