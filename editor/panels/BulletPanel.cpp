#include "editor/panels/BulletPanel.h"

#include "editor/FontWhenShown.h"
#include "editor/TextBinding.h"
#include "editor/TextImport.h"
#include "editor/panels/GlyphButton.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace tarvin {

BulletPanel::BulletPanel(const PanelServices& services, QWidget* parent)
    : BlockPanel(TBlockType::btBullet, "Bullet List",
                 "If you have a list of related items you would like to put in a bullet list Tarvin makes it simple.", parent)
{
    btnBulletImport = MakeGlyphButton(Glyph::Import, "Import Text File");
    cbBullets = new QComboBox;
    cbBullets->addItems({"Disc", "Circle", "Square", "A", "a", "1", "I", "i"});
    cbBullets->setCurrentIndex(0);
    auto* styleLabel = new QLabel("&Style:");
    styleLabel->setBuddy(cbBullets);
    txtBullets = new QPlainTextEdit;
    txtBullets->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetFontWhenShown(*txtBullets, QFont("Times New Roman", 12));

    auto* row = new QHBoxLayout;
    row->addWidget(btnBulletImport);
    row->addSpacing(12);
    row->addWidget(styleLabel);
    row->addWidget(cbBullets);
    row->addStretch();
    Body()->addLayout(row);
    Body()->addWidget(txtBullets, 1);

    SharedOpenDialog& openDialog = services.openDialog;
    connect(btnBulletImport, &QToolButton::clicked, this, [this, &openDialog] { ImportTextFile(txtBullets, openDialog); });
}

void BulletPanel::Store(TPageItem& item, TPagelette&)
{
    TBulletBlock& block = item.BulletBlock();
    block.Bullets = TextOf(txtBullets);
    if (cbBullets->currentIndex() >= 0)
        block.Style = static_cast<TListStyle>(cbBullets->currentIndex());
}

void BulletPanel::Show(TPageItem& item, TPagelette&)
{
    const TBulletBlock& block = item.BulletBlock();
    SetText(txtBullets, block.Bullets);
    cbBullets->setCurrentIndex(static_cast<int>(block.Style));
}

} // namespace tarvin
