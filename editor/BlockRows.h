#pragma once
// The rows of the palette and of the block list: a block type's caption and
// icon, and the focus mark both lists draw on the row the keyboard is on.

#include "document/PageModel.h"

#include <QListWidgetItem>

class QPainter;
class QStyleOptionViewItem;

namespace tarvin {

QListWidgetItem* MakeBlockRow(TBlockType type);
TBlockType BlockTypeOfRow(const QListWidgetItem* row);

// A dotted frame in color just inside rect when the row has the keyboard focus.
void DrawFocusMark(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect, const QColor& color);

} // namespace tarvin
