#include "editor/BlockRows.h"

#include "editor/Glyphs.h"

#include <QPainter>
#include <QStyleOptionViewItem>

namespace tarvin {

namespace {

constexpr int TypeRole = Qt::UserRole;

} // namespace

QListWidgetItem* MakeBlockRow(TBlockType type)
{
    auto* row = new QListWidgetItem(QIcon(BlockIcon(type)), QString::fromStdString(BlockTypeCaption(type)));
    row->setData(TypeRole, static_cast<int>(type));
    return row;
}

TBlockType BlockTypeOfRow(const QListWidgetItem* row)
{
    return static_cast<TBlockType>(row->data(TypeRole).toInt());
}

void DrawFocusMark(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect, const QColor& color)
{
    if (!(option.state & QStyle::State_HasFocus))
        return;
    painter->save();
    painter->setPen(QPen(color, 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(1, 1, -2, -2));
    painter->restore();
}

} // namespace tarvin
