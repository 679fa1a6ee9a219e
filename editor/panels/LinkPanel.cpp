#include "editor/panels/LinkPanel.h"

#include "editor/LinkSources.h"
#include "editor/TextBinding.h"
#include "editor/panels/GlyphButton.h"
#include "editor/panels/LinkList.h"
#include "document/MakerAddresses.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace tarvin {

namespace {

constexpr int LinkColumnWidth = 180;
const QString MailPrefix = "mailto:";

} // namespace

LinkPanel::LinkPanel(const PanelServices& services, QWidget* parent)
    : BlockPanel(TBlockType::btLink, "Link",
                 "Links are a great way to allow visitors to a quick jump to your favorite sites or web pages.", parent)
{
    txtLinkAddress = new QLineEdit;
    auto* addressLabel = new QLabel(QString("Link &Address eg. ") + maker::WebSite);
    addressLabel->setBuddy(txtLinkAddress);
    btnLinkBrowse = MakeGlyphButton(Glyph::Browse, "Browse");
    btnLinkIE = MakeGlyphButton(Glyph::Favorites, "Favorites");
    btnLinkNetscape = MakeGlyphButton(Glyph::Bookmarks, "Netscape Bookmarks");
    txtLinkText = new QLineEdit;
    auto* textLabel = new QLabel("Link &Text eg. Click Here");
    textLabel->setBuddy(txtLinkText);
    chkEmail = new QCheckBox("Make link an &email address");
    chkLink = new QCheckBox("Use Drop &Box");
    btnLinkAdd = MakeGlyphButton(Glyph::Add, "Add");
    btnLinkRemove = MakeGlyphButton(Glyph::Remove, "Remove");
    btnLinkEdit = MakeGlyphButton(Glyph::Edit, "Apply Edit");
    lstLinks = new LinkList;
    lstLinks->SetTabWidth(LinkColumnWidth);
    lstLinks->setToolTip("Double Click Item to Edit, then press the Apply Edit button.");
    for (QWidget* control : {static_cast<QWidget*>(btnLinkAdd), static_cast<QWidget*>(btnLinkRemove),
                             static_cast<QWidget*>(btnLinkEdit), static_cast<QWidget*>(lstLinks)})
        control->setEnabled(false);

    auto* grid = new QGridLayout;
    grid->addWidget(addressLabel, 0, 0, 1, 2);
    grid->addWidget(txtLinkAddress, 1, 0);
    auto* sourceButtons = new QHBoxLayout;
    sourceButtons->addWidget(btnLinkBrowse);
    sourceButtons->addWidget(btnLinkIE);
    sourceButtons->addWidget(btnLinkNetscape);
    grid->addLayout(sourceButtons, 1, 1);
    grid->addWidget(textLabel, 2, 0, 1, 2);
    grid->addWidget(txtLinkText, 3, 0);
    grid->addWidget(chkEmail, 4, 0, 1, 2);
    grid->addWidget(chkLink, 5, 0, 1, 2);
    grid->addWidget(lstLinks, 6, 0);
    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(btnLinkAdd);
    listButtons->addWidget(btnLinkRemove);
    listButtons->addWidget(btnLinkEdit);
    listButtons->addStretch();
    grid->addLayout(listButtons, 6, 1);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(6, 1);
    Body()->addLayout(grid);

    LinkSources& sources = services.linkSources;
    connect(btnLinkBrowse, &QToolButton::clicked, this, [this, &sources] { sources.Browse(txtLinkAddress); });
    connect(btnLinkIE, &QToolButton::clicked, this, [this, &sources] { sources.Favorites(txtLinkAddress); });
    connect(btnLinkNetscape, &QToolButton::clicked, this, [this, &sources] { sources.Bookmarks(txtLinkAddress); });
    connect(chkLink, &QCheckBox::toggled, this, &LinkPanel::chkLinkClick);
    connect(btnLinkAdd, &QToolButton::clicked, this, &LinkPanel::btnLinkAddClick);
    connect(btnLinkEdit, &QToolButton::clicked, this, &LinkPanel::btnLinkEditClick);
    connect(btnLinkRemove, &QToolButton::clicked, this, &LinkPanel::btnLinkRemoveClick);
    // Apply Edit and Remove follow the selection, whatever changed it.
    connect(lstLinks, &TListBoxHrz::selectionMoved, this, &LinkPanel::lstLinksClick);
    connect(lstLinks, &QListWidget::itemDoubleClicked, this, &LinkPanel::lstLinksDblClick);
}

void LinkPanel::Store(TPageItem& item, TPagelette&)
{
    TLinkBlock& block = item.LinkBlock();
    block.LinkURL = TextOf(txtLinkAddress);
    block.LinkText = TextOf(txtLinkText);
    block.UseDropBox = chkLink->isChecked();
    block.Email = chkEmail->isChecked();
    block.DropBoxText = RowsOf(lstLinks);
}

void LinkPanel::Show(TPageItem& item, TPagelette&)
{
    const TLinkBlock& block = item.LinkBlock();
    SetText(txtLinkAddress, block.LinkURL);
    SetText(txtLinkText, block.LinkText);
    chkEmail->setChecked(block.Email);
    SetRows(lstLinks, block.DropBoxText);
    chkLink->setChecked(block.UseDropBox);
    // The buttons follow the shown block even when the check box kept its state.
    chkLinkClick();
}

void LinkPanel::chkLinkClick()
{
    const bool dropBox = chkLink->isChecked();
    btnLinkAdd->setEnabled(dropBox);
    lstLinks->setEnabled(dropBox);
    lstLinksClick();
}

QString LinkPanel::EntryFromBoxes() const
{
    if (txtLinkAddress->text().isEmpty() || txtLinkText->text().isEmpty())
        return {};
    return (chkEmail->isChecked() ? MailPrefix : QString()) + txtLinkAddress->text() + '\t' + txtLinkText->text();
}

void LinkPanel::ClearBoxes()
{
    txtLinkAddress->clear();
    txtLinkText->clear();
    chkEmail->setChecked(false);
}

void LinkPanel::btnLinkAddClick()
{
    const QString entry = EntryFromBoxes();
    if (entry.isEmpty())
        return;
    const int row = lstLinks->SelectedRow() + 1;
    lstLinks->insertItem(row, entry);
    lstLinks->SelectRow(row);
    ClearBoxes();
}

void LinkPanel::btnLinkEditClick()
{
    const int selected = lstLinks->SelectedRow();
    const QString entry = EntryFromBoxes();
    if (selected < 0 || !chkLink->isChecked() || entry.isEmpty())
        return;
    lstLinks->item(selected)->setText(entry);
    ClearBoxes();
}

// Removes the entry the user selected (the meta list does the same); removing
// the last one left turns the drop box off.
void LinkPanel::btnLinkRemoveClick()
{
    const int selected = lstLinks->SelectedRow();
    if (selected >= 0) {
        delete lstLinks->takeItem(selected);
        lstLinks->SelectRow(-1);
    }
    chkLink->setChecked(lstLinks->count() > 0);
}

void LinkPanel::lstLinksClick()
{
    const bool selected = chkLink->isChecked() && lstLinks->SelectedRow() >= 0;
    btnLinkEdit->setEnabled(selected);
    btnLinkRemove->setEnabled(selected);
}

void LinkPanel::lstLinksDblClick()
{
    const int selected = lstLinks->SelectedRow();
    if (selected < 0)
        return;
    QString text = lstLinks->item(selected)->text();
    if (text.startsWith(MailPrefix)) {
        chkEmail->setChecked(true);
        text.remove(0, MailPrefix.size());
    }
    const qsizetype tab = text.indexOf('\t');
    txtLinkAddress->setText(tab < 0 ? text : text.left(tab));
    txtLinkText->setText(tab < 0 ? QString() : text.mid(tab + 1));
}

} // namespace tarvin
