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

constexpr int MinimumRowHeight = 32;
constexpr int SummaryRole = Qt::UserRole + 1;

QFont SummaryFont(const QFont& font)
{
    QFont small(font);
    if (font.pointSizeF() > 0)
        small.setPointSizeF(font.pointSizeF() * 0.85);
    else
        small.setPixelSize(qMax(1, font.pixelSize() * 85 / 100));
    return small;
}

// Grey, halfway between the caption and the tile, yet plain to read.
QColor SummaryColour(const QPalette& palette)
{
    const QColor text = palette.color(QPalette::ButtonText);
    const QColor face = palette.color(QPalette::Button);
    return QColor::fromRgbF((text.redF() * 3 + face.redF() * 2) / 5, (text.greenF() * 3 + face.greenF() * 2) / 5,
                            (text.blueF() * 3 + face.blueF() * 2) / 5);
}

// A raised tile inside a frame of the selection colour when selected: the
// block type's icon and caption, and under the caption the start of the
// block's content in a smaller grey line.
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
        painter->drawPixmap(tile.left() + 10, tile.top() + (tile.height() - icon.height()) / 2, icon);

        const QString summary = index.data(SummaryRole).toString();
        const QFont smallFont = SummaryFont(option.font);
        const QFontMetrics metrics(option.font);
        const QFontMetrics small(smallFont);
        const int left = tile.left() + icon.width() + 16;
        const int textHeight = metrics.height() + (summary.isEmpty() ? 0 : small.height());
        const int top = tile.top() + (tile.height() - textHeight) / 2;
        painter->save();
        painter->setPen(option.palette.color(QPalette::ButtonText));
        painter->drawText(left, top + metrics.ascent(), index.data(Qt::DisplayRole).toString());
        if (!summary.isEmpty()) {
            painter->setFont(smallFont);
            painter->setPen(SummaryColour(option.palette));
            painter->drawText(left, top + metrics.height() + small.ascent(), small.elidedText(summary, Qt::ElideRight, tile.right() - 4 - left));
        }
        painter->restore();
        DrawFocusMark(painter, option, tile, option.palette.color(QPalette::ButtonText));
    }

    // Every row has room for the grey line, so rows do not jump when it comes.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int textHeight = QFontMetrics(option.font).height() + QFontMetrics(SummaryFont(option.font)).height();
        return {QStyledItemDelegate::sizeHint(option, index).width(), qMax(MinimumRowHeight, textHeight + 12)};
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
    // A mouse press moves the current row before it selects; only the
    // selection says which row the user chose.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (SelectedRow() >= 0)
            emit rowSelected();
    });
}

int BlockList::SelectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

// Ctrl+click and Ctrl+Space would leave no row selected while a panel is on show.
QItemSelectionModel::SelectionFlags BlockList::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    return command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle) ? QItemSelectionModel::NoUpdate : command;
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

void BlockList::SetSummary(int row, const QString& summary)
{
    if (QListWidgetItem* shown = item(row))
        shown->setData(SummaryRole, summary);
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

void BlockList::dragLeaveEvent(QDragLeaveEvent* event)
{
    QListWidget::dragLeaveEvent(event);
    emit dragLeft();
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
