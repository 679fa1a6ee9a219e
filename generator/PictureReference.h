#pragma once
// How a page refers to a picture file, by path mode.

#include "generator/PageHtml.h"

#include <string>

namespace tarvin {

enum class PictureFolder { Images, Backgrounds };

// file is a bare file name kept in Upload/images/ or Upload/backgrounds/.
std::string PictureReference(PictureFolder folder, const std::string& file, const PageBuildOptions& options);

} // namespace tarvin
