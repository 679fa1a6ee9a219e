#pragma once
// Fields.ini in the program folder: the default fields, the field bank and
// the choice lists that ready-made fields take their choices from.
//
// A field list section holds "FIELD" + n = name|kind; a choice section is
// named as its field and holds the section name + n = value|text (radio
// buttons and check boxes: value|text|Yes or No). Every section is read by
// walking its keys by number up to its count of lines, so entries numbered
// past that count, and empty ones, are not read.

#include "document/WebForm.h"
#include "platform/IniFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvin {

inline constexpr const char* FieldsIniName = "Fields.ini";
inline constexpr const char* DefaultFieldsSection = "Default Fields";
inline constexpr const char* FieldBankSection = "Field Bank";

struct FieldEntry {
    std::string name;
    TFieldKind kind = TFieldKind::fkText;

    bool operator==(const FieldEntry&) const = default;
};

// The entries of a field list section in number order, skipping those whose
// kind is not a number from 0 to 5; none when the section is missing.
std::optional<std::vector<FieldEntry>> ReadFieldEntries(const IniFile& ini, std::string_view section);
// Erases the section and writes FIELD0, FIELD1, ... as name|kind.
void WriteFieldEntries(IniFile& ini, std::string_view section, const std::vector<FieldEntry>& entries);

// The lines of a choice field from the section named section: with the
// default mark value|text|mark (values without a bar skipped), without it
// value|text. Empty when the section is missing.
StringLines ReadOptionSection(const IniFile& ini, std::string_view section, bool withDefaultMark);

// Appends the element a ready-made field becomes: text boxes 30 wide with at
// most 100 characters, text areas of 30 columns and 15 rows, choice fields
// with the choices of their section. Name and question are the entry's name.
void AppendBasicField(TWebForm& form, const FieldEntry& entry, const IniFile& ini);

} // namespace tarvin
