#include "editor/TrashBin.h"

#include "editor/DragRows.h"

#include <QDragMoveEvent>

namespace tarvin {

TrashBin::TrashBin(QWidget* parent) : QLabel(parent)
{
    setAcceptDrops(true);
    ShowPicture(BinPicture::Empty);
}

void TrashBin::ShowPicture(BinPicture picture)
{
    picture_ = picture;
    setPixmap(BinPixmap(picture));
}

void TrashBin::dragEnterEvent(QDragEnterEvent* event)
{
    event->setAccepted(DragSourceOf(event->mimeData()) == DragSource::BlockList);
}

void TrashBin::dragMoveEvent(QDragMoveEvent* event)
{
    event->setAccepted(DragSourceOf(event->mimeData()) == DragSource::BlockList);
}

void TrashBin::dropEvent(QDropEvent* event)
{
    if (DragSourceOf(event->mimeData()) != DragSource::BlockList)
        return;
    event->acceptProposedAction();
    emit dropped();
}

} // namespace tarvin
