#include "editor/panels/LinkList.h"

#include "editor/Glyphs.h"

#include <QDragMoveEvent>
#include <QMouseEvent>

namespace tarvin {

LinkList::LinkList(QWidget* parent) : TListBoxHrz(parent), dragStarter_(this, DragSource::LinkList, NewDragCursor())
{
    setAcceptDrops(true);
}

void LinkList::SwapSelectedWith(int row)
{
    const int selected = SelectedRow();
    if (selected < 0 || row < 0 || row >= count() || row == selected)
        return;
    const QString dragged = item(selected)->text();
    item(selected)->setText(item(row)->text());
    item(row)->setText(dragged);
}

void LinkList::mousePressEvent(QMouseEvent* event)
{
    TListBoxHrz::mousePressEvent(event);
    dragStarter_.Press(event, true);
}

void LinkList::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragStarter_.Move(event))
        TListBoxHrz::mouseMoveEvent(event);
}

void LinkList::dragEnterEvent(QDragEnterEvent* event)
{
    event->setAccepted(DragSourceOf(event->mimeData()) == DragSource::LinkList);
}

void LinkList::dragMoveEvent(QDragMoveEvent* event)
{
    event->setAccepted(DragSourceOf(event->mimeData()) == DragSource::LinkList);
}

void LinkList::dropEvent(QDropEvent* event)
{
    if (DragSourceOf(event->mimeData()) != DragSource::LinkList)
        return;
    event->acceptProposedAction();
    SwapSelectedWith(indexAt(event->position().toPoint()).row());
}

} // namespace tarvin
