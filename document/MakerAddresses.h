#pragma once
// Every address of the maker that ends up in generated pages or messages.

namespace tarvin::maker {

inline constexpr const char* WebSite = "http://www.ostrel.example/";
inline constexpr const char* SupportEmail = "support@ostrel.example";

} // namespace tarvin::maker
