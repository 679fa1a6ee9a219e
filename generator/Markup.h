#pragma once
// Attribute texts go into a tag just before its closing ">".

#include <algorithm>
#include <string>
#include <string_view>

namespace tarvin {

// Before the first ">" of markup (appended when there is none).
inline void InsertBeforeFirstTagEnd(std::string& markup, std::string_view text)
{
    markup.insert(std::min(markup.find('>'), markup.size()), text);
}

// Before the last character of markup, which closes its final tag.
inline void InsertBeforeLastChar(std::string& markup, std::string_view text)
{
    markup.insert(markup.empty() ? 0 : markup.size() - 1, text);
}

} // namespace tarvin
