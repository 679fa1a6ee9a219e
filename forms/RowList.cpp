#include "forms/RowList.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>

namespace tarvin {

RowList::RowList(std::initializer_list<Column> columns, QWidget* parent) : QTreeWidget(parent)
{
    QStringList captions;
    for (const Column& column : columns)
        captions << column.caption;
    setHeaderLabels(captions);
    int index = 0;
    for (const Column& column : columns)
        header()->resizeSection(index++, column.width);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

RowList::~RowList()
{
    EndDrag();
}

int RowList::SelectedRow() const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.first());
}

int RowList::FocusedRow() const
{
    return currentItem() ? indexOfTopLevelItem(currentItem()) : -1;
}

int RowList::RowAt(QPoint position) const
{
    QTreeWidgetItem* row = itemAt(position);
    return row ? indexOfTopLevelItem(row) : -1;
}

void RowList::SelectRow(int row)
{
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        setCurrentItem(item);
        item->setSelected(true);
        scrollToItem(item);
    }
}

QRect RowList::RowRect(int row) const
{
    return visualItemRect(topLevelItem(row));
}

void RowList::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    EndDrag();
    const int row = RowAt(event->position().toPoint());
    if (row >= 0 && (dragButtons_ & event->button()))
        pressed_ = std::make_pair(row, event->position().toPoint());
}

void RowList::mouseMoveEvent(QMouseEvent* event)
{
    // A press on a row drags that row; it never drag-selects another one.
    if (!pressed_) {
        QTreeWidget::mouseMoveEvent(event);
        return;
    }
    if (!dragging_ && (event->position().toPoint() - pressed_->second).manhattanLength() >=
                          QApplication::startDragDistance()) {
        dragging_ = true;
        QApplication::setOverrideCursor(Qt::DragMoveCursor);
    }
}

void RowList::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_) {
        EndDrag();
        QTreeWidget::mouseReleaseEvent(event);
        return;
    }
    // The view's own release would select the row under the pointer, which
    // is not the dragged one; a drop only ends the view's press.
    const int sourceRow = pressed_->first;
    EndDrag();
    stopAutoScroll();
    setState(NoState);
    // The list keeps the mouse while its button is down; where the pointer
    // is tells which list takes the drop.
    std::vector<RowList*> candidates{this};
    candidates.insert(candidates.end(), dropTargets_.begin(), dropTargets_.end());
    for (RowList* target : candidates) {
        const QPoint position = target->viewport()->mapFromGlobal(event->globalPosition().toPoint());
        if (target->isVisible() && target->viewport()->rect().contains(position)) {
            emit target->rowDropped(this, sourceRow, target->RowAt(position));
            return;
        }
    }
}

void RowList::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        if (!dragging_)
            break;
        EndDrag();
        return;
    // A list that does nothing with Enter leaves it to the dialog's default button.
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!isSignalConnected(QMetaMethod::fromSignal(&RowList::enterPressed)))
            break;
        emit enterPressed();
        return;
    case Qt::Key_Delete:
        if (!isSignalConnected(QMetaMethod::fromSignal(&RowList::deletePressed)))
            break;
        emit deletePressed();
        return;
    default:
        break;
    }
    QTreeWidget::keyPressEvent(event);
}

void RowList::EndDrag()
{
    if (dragging_)
        QApplication::restoreOverrideCursor();
    dragging_ = false;
    pressed_.reset();
}

} // namespace tarvin
