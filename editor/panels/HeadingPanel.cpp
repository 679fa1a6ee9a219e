#include "editor/panels/HeadingPanel.h"

#include "editor/FontMemo.h"
#include "editor/panels/GlyphButton.h"

#include <QHBoxLayout>
#include <QLabel>

namespace tarvin {

namespace {

QLabel* Sample(const QString& text, const QString& family, const QColor& color, bool bold)
{
    auto* label = new QLabel(text);
    QFont font(family, 14);
    font.setBold(bold);
    label->setFont(font);
    label->setStyleSheet(QString("color: %1").arg(color.name()));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

HeadingPanel::HeadingPanel(MiscDialogs& misc, QWidget* parent)
    : BlockPanel(TBlockType::btHeading, "Heading",
                 "Headings are a good way to mark the beginning of a section in your web page. This helps separate parts of the page text.",
                 parent)
{
    txtHeading = new FontMemo(false);
    txtHeading->setFixedHeight(64);
    auto* caption = new QLabel("&Heading Caption eg. My Web Page");
    caption->setBuddy(txtHeading);
    btnHeadingFont = MakeGlyphButton(Glyph::Font, "btnHeadingFont");

    auto* row = new QHBoxLayout;
    row->addWidget(txtHeading, 1);
    row->addWidget(btnHeadingFont, 0, Qt::AlignTop);
    Body()->addWidget(caption);
    Body()->addLayout(row);
    Body()->addSpacing(12);
    Body()->addWidget(new QLabel("Some examples of a page heading."));
    Body()->addWidget(Sample("Welcome to my page!", "Arial", QColor(0, 0, 128), false));
    Body()->addWidget(Sample("The Music Section!", "Times New Roman", Qt::red, false));
    Body()->addWidget(Sample("Cats and Dogs", "Courier New", QColor(0, 255, 0), true));
    Body()->addStretch();

    connect(btnHeadingFont, &QToolButton::clicked, this, [this, &misc] { txtHeading->ChooseFont(misc); });
}

void HeadingPanel::Store(TPageItem& item, TPagelette&)
{
    THeadingBlock& block = item.HeadingBlock();
    txtHeading->StoreInto(block.Heading, block.Attributes, block.ApplyFont);
}

void HeadingPanel::Show(TPageItem& item, TPagelette&)
{
    const THeadingBlock& block = item.HeadingBlock();
    txtHeading->ShowFrom(block.Heading, block.Attributes, block.ApplyFont);
}

} // namespace tarvin
