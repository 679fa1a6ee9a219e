#include "forms/FieldsIni.h"

#include "forms/FieldKinds.h"

namespace tarvin {

namespace {

// The values of prefix + 0 ... prefix + (count - 1), empty ones left out.
std::vector<std::string> NumberedValues(const IniFile& ini, std::string_view section, std::string_view prefix)
{
    std::vector<std::string> values;
    const int count = ini.LineCount(section);
    for (int n = 0; n < count; ++n) {
        std::string value = ini.Value(section, std::string(prefix) + std::to_string(n));
        if (!value.empty())
            values.push_back(std::move(value));
    }
    return values;
}

// Drop-down fields for credit cards share the shipped lists.
std::string_view ChoiceSectionOf(const FieldEntry& entry)
{
    if (entry.kind == TFieldKind::fkDropDown) {
        if (entry.name == "Credit Card Type")
            return "CREDIT";
        if (entry.name == "Credit Card Exp Year")
            return "YEAR";
        if (entry.name == "Credit Card Exp Month")
            return "MONTH";
    }
    return entry.name;
}

} // namespace

std::optional<std::vector<FieldEntry>> ReadFieldEntries(const IniFile& ini, std::string_view section)
{
    if (!ini.HasSection(section))
        return std::nullopt;
    std::vector<FieldEntry> entries;
    for (const std::string& value : NumberedValues(ini, section, "FIELD")) {
        const auto [name, kindText] = SplitAtBar(value);
        if (const auto kind = FieldKindFromText(kindText))
            entries.push_back({std::string(name), *kind});
    }
    return entries;
}

void WriteFieldEntries(IniFile& ini, std::string_view section, const std::vector<FieldEntry>& entries)
{
    std::vector<IniFile::Entry> lines;
    for (std::size_t n = 0; n < entries.size(); ++n)
        lines.emplace_back("FIELD" + std::to_string(n),
                           entries[n].name + "|" + std::to_string(static_cast<int>(entries[n].kind)));
    ini.ReplaceSection(section, lines);
}

StringLines ReadOptionSection(const IniFile& ini, std::string_view section, bool withDefaultMark)
{
    StringLines lines;
    for (const std::string& value : NumberedValues(ini, section, section)) {
        const auto [head, tail] = SplitAtBar(value);
        if (!withDefaultMark) {
            lines.push_back(std::string(head) + "|" + std::string(tail));
            continue;
        }
        if (value.find('|') == std::string::npos)
            continue;
        const auto [text, mark] = SplitAtBar(tail);
        lines.push_back(std::string(head) + "|" + std::string(text) + "|" + std::string(mark));
    }
    return lines;
}

void AppendBasicField(TWebForm& form, const FieldEntry& entry, const IniFile& ini)
{
    TFormElement& element = form.Add();
    switch (entry.kind) {
    case TFieldKind::fkText:
        element.Strings = {"Size=30", "Maxlength=100"};
        break;
    case TFieldKind::fkTextArea:
        element.Strings = {"Cols=30", "Rows=15"};
        break;
    case TFieldKind::fkRadio:
    case TFieldKind::fkCheckBox:
        element.Strings = ReadOptionSection(ini, entry.name, true);
        break;
    case TFieldKind::fkDropDown:
        element.Strings = ReadOptionSection(ini, ChoiceSectionOf(entry), false);
        break;
    case TFieldKind::fkButton:
        break;
    }
    element.FieldKind = entry.kind;
    element.Text = entry.name;
    element.Name = entry.name;
}

} // namespace tarvin
