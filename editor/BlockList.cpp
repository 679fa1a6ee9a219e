#include "editor/BlockList.h"

#include "editor/BlockRows.h"
#include "editor/Glyphs.h"

#include <QDragMoveEvent>
#include <QMimeData>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <qdrawutil.h>

namespace tarvin {

namespace {

constexpr int RowHeight = 32;

// A raised tile inside a frame of the selection colour when selected.
class BlockRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QColor face = option.palette.color(QPalette::Button);
        painter->fillRect(option.rect, selected ? option.palette.color(QPalette::Highlight) : face);
        const QRect tile = option.rect.adjusted(2, 2, -2, -2);
        qDrawShadePanel(painter, tile, option.palette, false, 1, &option.palette.brush(QPalette::Button));
        const QPixmap& icon = BlockIcon(static_cast<TBlockType>(index.data(Qt::UserRole).toInt()));
        painter->drawPixmap(tile.left() + 10, tile.top() + 8, icon);
        painter->setPen(option.palette.color(QPalette::ButtonText));
        const QFontMetrics metrics(option.font);
        painter->drawText(tile.left() + icon.width() + 16, tile.top() + 8 + metrics.ascent(), index.data(Qt::DisplayRole).toString());
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), RowHeight};
    }
};

} // namespace

BlockList::BlockList(QWidget* parent) : QListWidget(parent), dragStarter_(this, DragSource::BlockList, SizeAllCursor())
{
    setItemDelegate(new BlockRowDelegate(this));
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Button);
    viewport()->setBackgroundRole(QPalette::Button);
    setAcceptDrops(true);
    viewport()->setMouseTracking(true);
    setToolTip("Right-Click on me!");
    connect(this, &QListWidget::currentRowChanged, this, [this] { emit rowSelected(); });
}

int BlockList::SelectedRow() const
{
    const QListWidgetItem* current = currentItem();
    return current && current->isSelected() ? currentRow() : -1;
}

void BlockList::SelectRowQuietly(int row)
{
    const QSignalBlocker quiet(this);
    if (row >= 0 && row < count()) {
        setCurrentRow(row);
    } else {
        setCurrentRow(-1);
        clearSelection();
    }
    viewport()->update();
}

void BlockList::InsertRow(int row, TBlockType type)
{
    const QSignalBlocker quiet(this);
    insertItem(row, MakeBlockRow(type));
}

void BlockList::RemoveRow(int row)
{
    const QSignalBlocker quiet(this);
    delete takeItem(row);
}

void BlockList::MoveRow(int from, int to)
{
    const QSignalBlocker quiet(this);
    insertItem(to, takeItem(from));
}

void BlockList::RemoveAllRows()
{
    const QSignalBlocker quiet(this);
    clear();
}

void BlockList::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    // Row 0, the page details, stays where it is.
    dragStarter_.Press(event, indexAt(event->position().toPoint()).row() >= 1);
}

void BlockList::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMovedOver();
    if (!dragStarter_.Move(event))
        QListWidget::mouseMoveEvent(event);
}

bool BlockList::AcceptDrag(QDropEvent* event)
{
    const std::optional<DragSource> source = DragSourceOf(event->mimeData());
    bool accept = false;
    if (source)
        emit draggedOver(*source, event->position().toPoint(), &accept);
    event->setAccepted(accept);
    return accept;
}

void BlockList::dragEnterEvent(QDragEnterEvent* event)
{
    AcceptDrag(event);
}

void BlockList::dragMoveEvent(QDragMoveEvent* event)
{
    AcceptDrag(event);
}

void BlockList::dropEvent(QDropEvent* event)
{
    const std::optional<DragSource> source = DragSourceOf(event->mimeData());
    if (!source)
        return;
    event->acceptProposedAction();
    emit dropped(*source, event->position().toPoint());
}

} // namespace tarvin
