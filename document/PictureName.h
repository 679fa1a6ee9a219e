#pragma once
// Picture and background names of a page are bare file names inside
// Upload/images/ and Upload/backgrounds/. A name from a document is
// untrusted: these keep it from reaching outside those folders.

#include <string>

namespace tarvin {

// The part after the last '/' or '\', or empty when that part is "." or "..".
std::string PictureFileName(const std::string& name);

// True when the name is that part already: no folder and no "." or "..".
bool IsPlainFileName(const std::string& name);

} // namespace tarvin
