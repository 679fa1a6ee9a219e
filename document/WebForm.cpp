#include "document/WebForm.h"

#include "document/TextUtil.h"

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

std::pair<std::string_view, std::string_view> SplitAtBar(std::string_view line)
{
    const auto bar = line.find('|');
    if (bar == std::string_view::npos)
        return {std::string_view(), line};
    return {line.substr(0, bar), line.substr(bar + 1)};
}

namespace {

StringLines::const_iterator FindSetting(const StringLines& lines, std::string_view name)
{
    for (auto line = lines.begin(); line != lines.end(); ++line) {
        const auto eq = line->find('=');
        if (eq != std::string::npos && SameText(std::string_view(*line).substr(0, eq), name))
            return line;
    }
    return lines.end();
}

} // namespace

std::string_view FieldSetting(const StringLines& lines, std::string_view name)
{
    const auto line = FindSetting(lines, name);
    return line == lines.end() ? std::string_view() : std::string_view(*line).substr(line->find('=') + 1);
}

void SetFieldSetting(StringLines& lines, std::string_view name, std::string_view value)
{
    std::string setting = std::string(name) + "=" + std::string(value);
    const auto line = FindSetting(lines, name);
    if (line == lines.end())
        lines.push_back(std::move(setting));
    else
        lines[static_cast<std::size_t>(line - lines.begin())] = std::move(setting);
}

} // namespace tarvin
