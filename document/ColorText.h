#pragma once
// Colours as text: the platform's colour names ("clRed", "clBtnFace", "clNone")
// and "$" followed by eight hexadecimal digits, as kept in font descriptions.

#include "document/PageModel.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarvin {

// The colour's name when it has one, else "$" and eight upper-case hex digits.
std::string ColorToString(TColor color);
// A colour name (any letter case), "$" hex or a decimal number; throws
// EConvertError for anything else.
TColor StringToColor(std::string_view text);
std::optional<TColor> IdentToColor(std::string_view name);

} // namespace tarvin
