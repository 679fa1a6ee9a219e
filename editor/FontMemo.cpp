#include "editor/FontMemo.h"

#include "document/TextUtil.h"
#include "editor/FontText.h"
#include "editor/FontWhenShown.h"
#include "editor/MiscDialogs.h"
#include "editor/TextBinding.h"

#include <QKeyEvent>

namespace tarvin {

FontMemo::FontMemo(bool enterBreaksLine, QWidget* parent) : QPlainTextEdit(parent), enterBreaksLine_(enterBreaksLine)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    SetFontDescription(DefaultFontDescription);
}

std::string FontMemo::FontDescription() const
{
    return FontToString(font_, color_);
}

void FontMemo::SetFontDescription(const std::string& description)
{
    QFont parsed = font_;
    TColor color = NoColourMarker;
    try {
        StringToFont(description, parsed, color);
    } catch (const EConvertError&) {
        StringToFont(DefaultFontDescription, parsed, color);
    }
    SetFontAndColor(parsed, color);
}

void FontMemo::SetFontAndColor(const QFont& font, TColor color)
{
    font_ = font;
    SetFontWhenShown(*this, font);
    color_ = color;
    QPalette colors = palette();
    colors.setColor(QPalette::Text, ColorForDisplay(color));
    setPalette(colors);
}

void FontMemo::StoreInto(std::string& text, std::string& attributes, std::uint8_t& applyFont) const
{
    text = TextOf(this);
    attributes = FontDescription();
    applyFont = fontMark_;
}

void FontMemo::ShowFrom(const std::string& text, const std::string& attributes, std::uint8_t applyFont)
{
    SetText(this, text);
    SetFontDescription(attributes);
    fontMark_ = applyFont;
}

void FontMemo::ChooseFont(MiscDialogs& misc)
{
    QFont chosen = font_;
    TColor color = color_;
    if (!misc.ChooseFont(chosen, color))
        return;
    SetFontAndColor(chosen, color);
    fontMark_ = 1;
}

void FontMemo::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !enterBreaksLine_) {
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

} // namespace tarvin
