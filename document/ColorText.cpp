#include "document/ColorText.h"

#include "document/TextUtil.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace tarvin {

namespace {

struct NamedColor {
    const char* name;
    std::uint32_t value;
};

// The system colours follow the Windows system-colour index order: their
// value is $80000000 plus the index.
constexpr std::array<NamedColor, 42> NamedColors{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clScrollBar", 0x80000000},
    {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002},
    {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004},
    {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},
    {"clMenuText", 0x80000007},
    {"clWindowText", 0x80000008},
    {"clCaptionText", 0x80000009},
    {"clActiveBorder", 0x8000000A},
    {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clBtnFace", 0x8000000F},
    {"clBtnShadow", 0x80000010},
    {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012},
    {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clInfoText", 0x80000017},
    {"clInfoBk", 0x80000018},
    {"clNone", 0x1FFFFFFF},
}};

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// "$" and one to eight hex digits; the 32 bits are taken as they stand.
std::optional<TColor> ParseHex(std::string_view text)
{
    if (text.size() < 2 || text.size() > 9 || text.front() != '$')
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text.substr(1)) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return static_cast<TColor>(value);
}

} // namespace

std::string ColorToString(TColor color)
{
    const auto value = static_cast<std::uint32_t>(color);
    for (const NamedColor& named : NamedColors)
        if (named.value == value)
            return named.name;
    char text[10];
    std::snprintf(text, sizeof text, "$%.8X", static_cast<unsigned>(value));
    return text;
}

std::optional<TColor> IdentToColor(std::string_view name)
{
    for (const NamedColor& named : NamedColors)
        if (SameText(named.name, name))
            return static_cast<TColor>(named.value);
    return std::nullopt;
}

TColor StringToColor(std::string_view text)
{
    if (auto named = IdentToColor(text))
        return *named;
    if (auto hex = ParseHex(text))
        return *hex;
    try {
        return StrToInt(text);
    } catch (const EConvertError&) {
        throw EConvertError("'" + std::string(text) + "' is not a valid colour");
    }
}

} // namespace tarvin
