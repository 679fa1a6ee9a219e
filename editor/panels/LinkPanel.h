#pragma once
// pnlLinks: a single link, or a drop box of links edited through the
// address and text boxes.

#include "editor/panels/BlockPanel.h"
#include "editor/panels/PanelServices.h"

class QCheckBox;
class QLineEdit;
class QToolButton;

namespace tarvin {

class LinkList;

class LinkPanel : public BlockPanel {
    Q_OBJECT
public:
    LinkPanel(const PanelServices& services, QWidget* parent = nullptr);

    void Store(TPageItem& item, TPagelette& document) override;
    void Show(TPageItem& item, TPagelette& document) override;

    void chkLinkClick();
    void btnLinkAddClick();
    void btnLinkEditClick();
    void btnLinkRemoveClick();
    void lstLinksClick();
    void lstLinksDblClick();

    QLineEdit* txtLinkAddress;
    QToolButton* btnLinkBrowse;
    QToolButton* btnLinkIE;
    QToolButton* btnLinkNetscape;
    QLineEdit* txtLinkText;
    QCheckBox* chkEmail;
    QCheckBox* chkLink;
    QToolButton* btnLinkAdd;
    QToolButton* btnLinkRemove;
    QToolButton* btnLinkEdit;
    LinkList* lstLinks;

private:
    // The entry made of the boxes, or an empty text when a box is empty.
    QString EntryFromBoxes() const;
    void ClearBoxes();
};

} // namespace tarvin
