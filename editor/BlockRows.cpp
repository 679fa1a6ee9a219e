#include "editor/BlockRows.h"

#include "editor/Glyphs.h"

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

} // namespace tarvin
