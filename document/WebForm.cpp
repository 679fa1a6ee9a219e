#include "document/WebForm.h"

namespace tarvin {

using namespace published;

const std::vector<std::string>& FieldKindIdentifiers()
{
    static const std::vector<std::string> ids{"fkText", "fkTextArea", "fkRadio", "fkCheckBox", "fkDropDown", "fkButton"};
    return ids;
}

const std::string& FieldKindName(TFieldKind kind)
{
    static const std::vector<std::string> names{"TextBox", "TextArea", "Radio", "CheckBox", "DropDown", "Button"};
    return names.at(static_cast<std::size_t>(kind));
}

const PropertyList& TFormElement::PublishedProperties() const
{
    using C = TFormElement;
    static const PropertyList list{
        Enumeration<C>("FieldKind", &C::FieldKind, FieldKindIdentifiers()),
        String<C>("Name", &C::Name),
        Lines<C>("Strings", &C::Strings),
        String<C>("Text", &C::Text),
        String<C>("Value", &C::Value),
    };
    return list;
}

} // namespace tarvin
