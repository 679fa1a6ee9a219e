#pragma once
// The field kinds as the form builder shows them: display names and icons.
// A kind's number is also its icon's index and its number in Fields.ini.

#include "document/WebForm.h"

#include <QPixmap>
#include <QString>
#include <optional>
#include <string_view>

namespace tarvin {

inline constexpr int FieldKindCount = 6;

// "Text Box", "Text Area", "Radio Button", "Check Box", "Drop Down", "Button".
QString FieldKindCaption(TFieldKind kind);
const QPixmap& FieldKindIcon(TFieldKind kind);

// The kind a number names; none outside 0 to 5.
std::optional<TFieldKind> FieldKindFromNumber(int number);
// The kind a whole decimal number names ("4", "04"); none for anything else,
// a digit followed by letters included.
std::optional<TFieldKind> FieldKindFromText(std::string_view text);

} // namespace tarvin
