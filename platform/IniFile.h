#pragma once
// Initialization files (Fields.ini, ".url" shortcuts) read and written as the
// desktop's own profile functions do: section and key names compared without
// regard to case, blanks around names and values dropped, one pair of
// enclosing quotes taken off a value, lines starting with ";" ignored. When
// two sections or keys share a name, the first one counts.
//
// Texts are the file's bytes (UTF-8 when the program wrote them). A change
// leaves every line it does not concern as it was, comments and order
// included, and saving replaces the file in one step.

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvin {

class IniFile {
public:
    using Entry = std::pair<std::string, std::string>;  // key, value

    // Reads the file; a missing file reads as empty.
    explicit IniFile(std::string path);

    // False when the file exists but could not be read (or is larger than any
    // initialization file the program uses); such a file is never saved over.
    bool Readable() const { return readable_; }

    // The number of lines in the section other than blank lines and comments;
    // 0 for a missing section.
    int LineCount(std::string_view section) const;
    // A section without lines counts as missing.
    bool HasSection(std::string_view section) const { return LineCount(section) > 0; }
    // Empty when the section or the key is missing.
    std::string Value(std::string_view section, std::string_view key) const;

    // Erases the section's lines and writes these in their place, where the
    // section stands in the file, or appends the section at the end. Line
    // breaks in keys and values become blanks.
    void ReplaceSection(std::string_view section, const std::vector<Entry>& entries);

    // Writes the file through a temporary file; false when it could not.
    bool Save() const;

private:
    struct Range {
        std::size_t header;  // the line of the section's first header
        std::size_t end;     // one past its last line
    };
    std::optional<Range> Find(std::string_view section) const;

    std::string path_;
    std::vector<std::string> lines_;  // without their line breaks
    bool readable_ = true;
};

// The value of key in section; empty when the file, the section or the key is
// missing. Bytes that are not UTF-8 are read as Windows-1252.
QString ReadIniString(const QString& path, const QString& section, const QString& key);

} // namespace tarvin
