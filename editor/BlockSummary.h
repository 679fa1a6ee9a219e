#pragma once
// The grey line under a block row's type: the start of the block's content,
// so that rows of the same type can be told apart.

#include "document/PageModel.h"

#include <QString>

namespace tarvin {

// Empty when the block has no content to show.
QString BlockSummary(TPageItem& item, const TPagelette& document);

} // namespace tarvin
