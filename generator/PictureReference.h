#pragma once
// How a page refers to a picture file, by path mode.

#include "generator/PageHtml.h"

#include <string>

namespace tarvin {

enum class PictureFolder { Images, Backgrounds };

// file is a bare file name kept in Upload/images/ or Upload/backgrounds/.
// The result is ready to stand in a SRC or BACKGROUND attribute: in the
// relative and bare modes every byte but letters, digits and "-._~" is
// percent-encoded, so blanks, "%", "#", "?", quotes and non-ASCII names load.
std::string PictureReference(PictureFolder folder, const std::string& file, const PageBuildOptions& options);

} // namespace tarvin
