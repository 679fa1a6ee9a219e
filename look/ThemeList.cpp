#include "look/ThemeList.h"

#include <QApplication>
#include <QMouseEvent>

namespace tarvin {

ThemeList::ThemeList(const QCursor& dragCursor, QWidget* parent) : QListWidget(parent), dragCursor_(dragCursor)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

// The selected entry need not be the current one: a press below the last
// entry and a drag onto one selects it without making it current.
int ThemeList::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void ThemeList::SelectRow(int row)
{
    setCurrentRow(row);
    if (row < 0)
        clearSelection();
}

void ThemeList::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    pressedAt_.reset();
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
        pressedAt_ = event->position().toPoint();
}

// With the button down the list would move the selection along with the
// pointer; here the pointer drags the selected entry instead.
void ThemeList::mouseMoveEvent(QMouseEvent* event)
{
    if (!pressedAt_ || !(event->buttons() & Qt::LeftButton)) {
        QListWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    if (!dragging_ && (at - *pressedAt_).manhattanLength() >= QApplication::startDragDistance())
        dragging_ = true;
    if (dragging_)
        viewport()->setCursor(viewport()->rect().contains(at) ? dragCursor_ : QCursor(Qt::ForbiddenCursor));
}

// The drop comes first: a press on the entry that was already selected
// leaves its selection to the release, which would select the entry under
// the drop instead of the one dragged.
void ThemeList::mouseReleaseEvent(QMouseEvent* event)
{
    const bool dropping = dragging_ && event->button() == Qt::LeftButton;
    EndDrag();
    const QPoint at = event->position().toPoint();
    if (dropping && viewport()->rect().contains(at))
        emit dropped(at);
    QListWidget::mouseReleaseEvent(event);
}

void ThemeList::EndDrag()
{
    pressedAt_.reset();
    if (dragging_)
        viewport()->unsetCursor();
    dragging_ = false;
}

} // namespace tarvin
