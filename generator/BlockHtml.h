#pragma once
// The HTML of one page item, wrapped for its alignment.

#include "generator/PageHtml.h"

#include <string>

namespace tarvin {

// Sets dropBoxUsed when the block is a drop-down link box, which needs the
// box script in the page head.
std::string BlockHtml(TPagelette& page, int index, const PageBuildOptions& options, bool& dropBoxUsed);

} // namespace tarvin
