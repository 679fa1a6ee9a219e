#include "editor/FontText.h"

#include "document/ColorText.h"
#include "document/TextUtil.h"
#include "platform/TextCodec.h"

#include <QApplication>

namespace tarvin {

namespace {

constexpr std::uint32_t SystemColorFlag = 0x80000000u;
constexpr TColor ClNone = 0x1FFFFFFF;

// The part of text from position first up to, not including, end; empty when
// the positions leave nothing.
std::string_view Between(std::string_view text, std::size_t first, std::size_t end)
{
    if (end <= first || first >= text.size())
        return {};
    return text.substr(first, end - first);
}

std::size_t CommaOrEnd(std::string_view text)
{
    const auto comma = text.find(',');
    return comma == std::string_view::npos ? text.size() : comma;
}

std::string_view AfterComma(std::string_view text, std::size_t comma)
{
    return comma < text.size() ? text.substr(comma + 1) : std::string_view();
}

QPalette::ColorRole SystemColorRole(int index)
{
    switch (index) {
    case 5: return QPalette::Base;              // clWindow
    case 13: return QPalette::Highlight;        // clHighlight
    case 14: return QPalette::HighlightedText;  // clHighlightText
    case 15: return QPalette::Button;           // clBtnFace
    case 16: return QPalette::Dark;             // clBtnShadow
    case 17: return QPalette::PlaceholderText;  // clGrayText
    case 18: return QPalette::ButtonText;       // clBtnText
    case 20: return QPalette::Light;            // clBtnHighlight
    case 21: return QPalette::Shadow;           // cl3DDkShadow
    case 22: return QPalette::Midlight;         // cl3DLight
    case 23: return QPalette::ToolTipText;      // clInfoText
    case 24: return QPalette::ToolTipBase;      // clInfoBk
    default: return QPalette::WindowText;
    }
}

} // namespace

std::string FontToString(const QFont& font, TColor color)
{
    std::string styles;
    if (font.bold())
        styles += "|Bold";
    if (font.italic())
        styles += "|Italic";
    if (font.underline())
        styles += "|Underline";
    if (!styles.empty())
        styles.erase(0, 1);
    return "\"" + ToDocumentText(font.family()) + "\", " + std::to_string(font.pointSize()) + ", [" + styles + "], [" +
           ColorToString(color) + "]";
}

void StringToFont(std::string_view description, QFont& font, TColor& color)
{
    std::string_view rest = description;
    std::size_t comma = CommaOrEnd(rest);
    const std::string name(Between(rest, 1, comma - 1));
    rest = AfterComma(rest, comma);

    comma = CommaOrEnd(rest);
    const int size = StrToInt(Between(rest, 1, comma));
    if (size <= 0)
        throw EConvertError("not a font size");
    rest = AfterComma(rest, comma);

    comma = CommaOrEnd(rest);
    const std::string styles = "|" + std::string(Between(rest, 2, comma - 1));
    rest = AfterComma(rest, comma);

    const TColor parsedColor = StringToColor(Between(rest, 2, rest.size() - 1));

    font.setFamily(FromDocumentText(name));
    font.setPointSize(size);
    color = parsedColor;
    font.setBold(styles.find("|Bold") != std::string::npos);
    font.setItalic(styles.find("|Italic") != std::string::npos);
    font.setUnderline(styles.find("|Underline") != std::string::npos);
}

QColor ColorForDisplay(TColor color, const QPalette& palette)
{
    const auto bits = static_cast<std::uint32_t>(color);
    if (color == ClNone)
        return palette.color(QPalette::Text);
    if (bits & SystemColorFlag)
        return palette.color(SystemColorRole(static_cast<int>(bits & 0xFF)));
    return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}

QColor ColorForDisplay(TColor color)
{
    return ColorForDisplay(color, QApplication::palette());
}

TColor ColorFromRgb(const QColor& color)
{
    return static_cast<TColor>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

} // namespace tarvin
