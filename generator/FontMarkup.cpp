#include "generator/HtmlTemplates.h"
#include "generator/Markup.h"
#include "generator/PageHtml.h"

#include "document/ColorText.h"
#include "document/FormMarkup.h"
#include "document/TextEncoding.h"
#include "document/TextUtil.h"

#include <cstdio>

namespace tarvin {

namespace {

// The text before the first separator; empty without one.
std::string_view TextBefore(std::string_view text, char separator)
{
    const auto pos = text.find(separator);
    return pos == std::string_view::npos ? std::string_view() : text.substr(0, pos);
}

// The text after the first separator and the one character following it;
// empty without a separator.
std::string_view TextAfterSkipping(std::string_view text, char separator)
{
    const auto pos = text.find(separator);
    return pos == std::string_view::npos ? std::string_view() : text.substr(std::min(pos + 2, text.size()));
}

// Point sizes map to the seven HTML font sizes; other numbers pass through.
std::string HtmlFontSize(std::string_view size, const std::string& description)
{
    int points = 0;
    try {
        points = StrToInt(size);
    } catch (const EConvertError&) {
        throw GenerationError("The font size '" + std::string(size) + "' in the font " + description +
                              " is not a whole number.");
    }
    switch (points) {
    case 8: return "1";
    case 10: return "2";
    case 12: return "3";
    case 14: return "4";
    case 16: return "5";
    case 18: return "6";
    case 20: return "7";
    default: return std::string(size);
    }
}

std::string HtmlFontColor(std::string_view colorPart, const std::string& description)
{
    const auto open = colorPart.find('[');
    const std::string_view name =
        open == std::string_view::npos ? std::string_view() : TextBefore(colorPart.substr(open + 1), ']');
    try {
        return ColorToHtml(StringToColor(name));
    } catch (const EConvertError&) {
        throw GenerationError("The colour '" + std::string(name) + "' in the font " + description +
                              " is not a colour.");
    }
}

// The face as the FACE value: the description's own quotes stay, what is
// between them is escaped; a face without quotes is quoted.
std::string HtmlFontFace(std::string_view face)
{
    if (face.size() >= 2 && face.front() == '"' && face.back() == '"')
        face = face.substr(1, face.size() - 2);
    return '"' + HtmlAttribute(face) + '"';
}

} // namespace

std::string ColorToHtml(TColor color)
{
    const auto value = static_cast<std::uint32_t>(color);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", value & 0xFFu, value >> 8 & 0xFFu, value >> 16 & 0xFFu);
    return text;
}

// The description reads "Face", size, [styles], [colour].
std::string ApplyFontAttributes(std::string text, const std::string& fontDescription, std::uint8_t apply)
{
    if (fontDescription.find("Underline") != std::string::npos)
        text = FillTemplate(html::Underline, {text});
    if (fontDescription.find("Italic") != std::string::npos)
        text = FillTemplate(html::Italic, {text});
    if (fontDescription.find("Bold") != std::string::npos)
        text = FillTemplate(html::Bold, {text});
    if (apply != 1)
        return text;

    const std::string_view description = fontDescription;
    const std::string_view face = TextBefore(description, ',');
    const std::string_view fromSize = TextAfterSkipping(description, ',');
    const std::string size = HtmlFontSize(TextBefore(fromSize, ','), fontDescription);
    const std::string color = HtmlFontColor(TextAfterSkipping(fromSize, ']'), fontDescription);

    // The colour goes before the first ">", the font tag's own: the escaped
    // face holds none.
    std::string font = FillTemplate(html::Font, {HtmlFontFace(face), size, text});
    if (color != ColorToHtml(NoColourMarker))
        InsertBeforeFirstTagEnd(font, FillTemplate(html::FontColor, {color}));
    return font;
}

} // namespace tarvin
