#include "editor/panels/PagePropPanel.h"

#include "editor/MiscDialogs.h"
#include "editor/TextBinding.h"
#include "editor/panels/GlyphButton.h"
#include "platform/ListBoxHrz.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvin {

namespace {

constexpr int MetaColumnWidth = 110;

QString MetaRow(const MetaTag& tag)
{
    return tag.name + '\t' + tag.content;
}

} // namespace

PagePropPanel::PagePropPanel(MiscDialogs& misc, QWidget* parent)
    : BlockPanel(TBlockType::btPageProperties, "Web Page Details",
                 "Here you will see some of the special details about your web page.", parent),
      misc_(misc)
{
    txtPageTitle = new QLineEdit;
    auto* titleLabel = new QLabel("&Page Title (appears in the browser title bar)");
    titleLabel->setBuddy(txtPageTitle);
    chkLinkUnderline = new QCheckBox("Do not &Underline Links");
    chkOstrelLogo = new QCheckBox("&Show Ostrel Logo on page");
    chkOstrelLogo->setChecked(true);
    chkOstrelLogo->hide();
    btnTheme = new QPushButton("Choose Page Theme (Colors, etc..)");

    lstMeta = new TListBoxHrz;
    lstMeta->SetTabWidth(MetaColumnWidth);
    auto* metaLabel = new QLabel("&Meta Tags");
    metaLabel->setBuddy(lstMeta);
    auto* nameLabel = new QLabel("Name");
    nameLabel->setFixedWidth(MetaColumnWidth);
    auto* contentLabel = new QLabel("Content");
    btnMetaAdd = MakeGlyphButton(Glyph::Add, "Add");
    btnMetaRemove = MakeGlyphButton(Glyph::Remove, "Remove");
    btnMetaEdit = MakeGlyphButton(Glyph::Edit, "Edit");
    btnMetaRemove->setEnabled(false);
    btnMetaEdit->setEnabled(false);

    auto* grid = new QGridLayout;
    grid->addWidget(titleLabel, 0, 0, 1, 3);
    grid->addWidget(txtPageTitle, 1, 0, 1, 3);
    grid->addWidget(chkLinkUnderline, 2, 0, 1, 3);
    grid->addWidget(chkOstrelLogo, 3, 0, 1, 3);
    grid->addWidget(btnTheme, 4, 0, 1, 3, Qt::AlignLeft);
    grid->addWidget(metaLabel, 5, 0, 1, 3);
    grid->addWidget(nameLabel, 6, 0);
    grid->addWidget(contentLabel, 6, 1);
    grid->addWidget(lstMeta, 7, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btnMetaAdd);
    buttons->addWidget(btnMetaRemove);
    buttons->addWidget(btnMetaEdit);
    buttons->addStretch();
    grid->addLayout(buttons, 7, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(7, 1);
    Body()->addLayout(grid);

    connect(btnMetaAdd, &QToolButton::clicked, this, &PagePropPanel::btnMetaAddClick);
    connect(btnMetaEdit, &QToolButton::clicked, this, &PagePropPanel::btnMetaEditClick);
    connect(btnMetaRemove, &QToolButton::clicked, this, &PagePropPanel::btnMetaRemoveClick);
    // Remove and Edit follow the selection, whatever changed it.
    connect(lstMeta, &TListBoxHrz::selectionMoved, this, &PagePropPanel::lstMetaClick);
    connect(lstMeta, &QListWidget::itemDoubleClicked, this, &PagePropPanel::btnMetaEditClick);
}

void PagePropPanel::Store(TPageItem& item, TPagelette&)
{
    TPagePropertiesBlock& block = item.PagePropertiesBlock();
    block.PageTitle = TextOf(txtPageTitle);
    block.Underline = chkLinkUnderline->isChecked();
    block.MetaText = RowsOf(lstMeta);
}

void PagePropPanel::Show(TPageItem& item, TPagelette&)
{
    TPagePropertiesBlock& block = item.PagePropertiesBlock();
    SetText(txtPageTitle, block.PageTitle);
    chkLinkUnderline->setChecked(block.Underline);
    SetRows(lstMeta, block.MetaText);
    lstMetaClick();
}

void PagePropPanel::btnMetaAddClick()
{
    const std::optional<MetaTag> tag = misc_.AddMetaTag();
    if (!tag)
        return;
    lstMeta->addItem(MetaRow(*tag));
    lstMeta->SelectRow(lstMeta->count() - 1);
}

void PagePropPanel::btnMetaEditClick()
{
    const int selected = lstMeta->SelectedRow();
    if (selected < 0)
        return;
    QListWidgetItem* row = lstMeta->item(selected);
    const QString text = row->text();
    const qsizetype tab = text.indexOf('\t');
    const MetaTag start{tab < 0 ? text : text.left(tab), tab < 0 ? QString() : text.mid(tab + 1)};
    if (const std::optional<MetaTag> tag = misc_.EditMetaTag(start))
        row->setText(MetaRow(*tag));
}

void PagePropPanel::btnMetaRemoveClick()
{
    const int selected = lstMeta->SelectedRow();
    if (selected >= 0) {
        delete lstMeta->takeItem(selected);
        lstMeta->SelectRow(-1);
    }
}

void PagePropPanel::lstMetaClick()
{
    const bool selected = lstMeta->SelectedRow() >= 0;
    btnMetaRemove->setEnabled(selected);
    btnMetaEdit->setEnabled(selected);
}

} // namespace tarvin
