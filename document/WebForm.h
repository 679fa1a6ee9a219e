#pragma once
// The fields of a page's e-mail form.

#include "document/Collection.h"

#include <string>
#include <string_view>
#include <utility>

namespace tarvin {

enum class TFieldKind { fkText, fkTextArea, fkRadio, fkCheckBox, fkDropDown, fkButton };

const std::vector<std::string>& FieldKindIdentifiers();
// The fixed word of each kind, used as the TYPE of choice inputs.
const std::string& FieldKindName(TFieldKind kind);

class TFormElement : public Persistent {
public:
    TFieldKind FieldKind = TFieldKind::fkText;
    std::string Name;
    StringLines Strings;  // kind-specific settings and choices
    std::string Text;     // the question shown left of the input
    std::string Value;    // initial value of a text box

    const PropertyList& PublishedProperties() const override;
};

class TWebForm : public Collection<TFormElement> {};

// A field's lines split at their first bar: (head, tail). Without a bar the
// head is empty and the tail is the whole line.
std::pair<std::string_view, std::string_view> SplitAtBar(std::string_view line);

// The text after "name=" of the first line whose name matches in any letter
// case ("Size=30", "Cols=40"); empty when there is none.
std::string_view FieldSetting(const StringLines& lines, std::string_view name);
// Puts "name=value" in place of the first line of that name, or appends it.
void SetFieldSetting(StringLines& lines, std::string_view name, std::string_view value);

} // namespace tarvin
