#pragma once
// Text from outside (server replies, names from documents) made safe to show:
// control characters become visible escapes, so nothing can steer a terminal.

#include <string>

namespace tarvin::publish {

// C0 controls, DEL and bytes that are not valid UTF-8 become "\xNN"; the C1
// controls U+0080 to U+009F become "\u0080" to "\u009F". Everything else,
// backslashes included, stays as it is, so the result passes through unchanged.
std::string VisibleText(const std::string& text);

} // namespace tarvin::publish
