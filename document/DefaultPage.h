#pragma once
// The defaults of new page items and of a new page.

#include "document/PageModel.h"

namespace tarvin {

// Inserts an item of the given type at position with the defaults of a new
// block of that type, and returns it.
TPageItem& InsertNewItem(TPagelette& page, int position, TBlockType type);
// Fills an empty page with the details item, an image, a link and a paragraph.
void BuildDefaultPage(TPagelette& page);

} // namespace tarvin
