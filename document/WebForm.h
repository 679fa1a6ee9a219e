#pragma once
// The fields of a page's e-mail form.

#include "document/Collection.h"

#include <string>

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

} // namespace tarvin
