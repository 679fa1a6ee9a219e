#pragma once
// Small byte-string helpers shared by the model, the generator and the windows.

#include <stdexcept>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tarvin {

inline constexpr std::string_view CRLF = "\r\n";

// ASCII-only case folding: texts are bytes in the system code page.
std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
std::string RemoveSpaces(std::string_view text);
// The text up to, not including, its last full stop; empty without one.
std::string StripExtension(std::string_view text);
// The part after the last '/' (the whole text without one).
std::string ExtractFileName(std::string_view path);
// The part up to and including the last '/' (empty without one).
std::string FolderOf(std::string_view path);

// Splits at CR LF, a lone CR and a lone LF; a final line break adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
// Joins lines, each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// Reads a whole decimal integer (optional blanks in front, an optional sign,
// digits, nothing after them); throws EConvertError for anything else.
// Fills a printf-style template: each "%s" or "%d" takes the next argument,
// copied in verbatim (a percent sign in an argument stays as it is). The form
// markup and the page generator assemble all their HTML this way.
std::string FillTemplate(std::string_view pattern, std::initializer_list<std::string_view> args);

class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

int StrToInt(std::string_view text);

} // namespace tarvin
