#pragma once
// The scrambled, Base64-encoded form in which a profile's password is stored.
// Bytes are the single-byte characters of the texts.

#include <string>
#include <string_view>

namespace tarvin::publish {

std::string ScramblePassword(std::string_view password);
std::string UnscramblePassword(std::string_view scrambled);
// RFC 4648 Base64 with "=" padding and no line breaks.
std::string Base64Encode(std::string_view bytes);
// Characters outside the alphabet count as 0 and a short last group is
// dropped, so any stored text decodes to some text.
std::string Base64Decode(std::string_view text);

std::string EncodeProfilePassword(std::string_view password);
std::string DecodeProfilePassword(std::string_view stored);

} // namespace tarvin::publish
