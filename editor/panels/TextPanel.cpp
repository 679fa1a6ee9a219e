#include "editor/panels/TextPanel.h"

#include "editor/FontMemo.h"
#include "editor/TextImport.h"
#include "editor/panels/GlyphButton.h"

#include <QHBoxLayout>

namespace tarvin {

TextPanel::TextPanel(const PanelServices& services, QWidget* parent)
    : BlockPanel(TBlockType::btText, "Text Paragraph",
                 "Your web page would not be complete with something to say. Why not include a paragraph of text.", parent)
{
    btnTextImport = MakeGlyphButton(Glyph::Import, "Import Text File");
    btnTextFont = MakeGlyphButton(Glyph::Font, "Paragraph Font");
    txtText = new FontMemo(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnTextImport);
    buttons->addWidget(btnTextFont);
    buttons->addStretch();
    Body()->addLayout(buttons);
    Body()->addWidget(txtText, 1);

    SharedOpenDialog& openDialog = services.openDialog;
    MiscDialogs& misc = services.misc;
    connect(btnTextImport, &QToolButton::clicked, this, [this, &openDialog] { ImportTextFile(txtText, openDialog); });
    connect(btnTextFont, &QToolButton::clicked, this, [this, &misc] { txtText->ChooseFont(misc); });
}

void TextPanel::Store(TPageItem& item, TPagelette&)
{
    TTextBlock& block = item.TextBlock();
    txtText->StoreInto(block.Text, block.Attributes, block.ApplyFont);
}

void TextPanel::Show(TPageItem& item, TPagelette&)
{
    const TTextBlock& block = item.TextBlock();
    txtText->ShowFrom(block.Text, block.Attributes, block.ApplyFont);
}

} // namespace tarvin
