#pragma once
// The rows of the palette and of the block list: a block type's caption and icon.

#include "document/PageModel.h"

#include <QListWidgetItem>

namespace tarvin {

QListWidgetItem* MakeBlockRow(TBlockType type);
TBlockType BlockTypeOfRow(const QListWidgetItem* row);

} // namespace tarvin
