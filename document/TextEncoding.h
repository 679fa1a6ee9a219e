#pragma once
// Document texts are bytes: UTF-8 as written here, but documents from older
// systems hold Windows-1252. A text that is not valid UTF-8 as a whole is
// read as Windows-1252, so pages, the editor and the JSON form agree on it.

#include <string>
#include <string_view>

namespace tarvin {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// The text itself when it is valid UTF-8, else its Windows-1252 reading in
// UTF-8. The five bytes Windows-1252 leaves undefined keep their C1 control
// code points, so no byte is ever lost.
std::string DocumentTextToUtf8(std::string_view text);

// A document text as an attribute value the program writes in a page:
// converted to UTF-8, with & " < > as character references so that no text
// can end the value or the tag.
std::string HtmlAttribute(std::string_view text);

} // namespace tarvin
