#include "editor/DragRows.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

namespace tarvin {

namespace {

constexpr const char* MimeType = "application/x-tarvin-drag-source";

} // namespace

std::optional<DragSource> DragSourceOf(const QMimeData* data)
{
    if (!data || !data->hasFormat(MimeType))
        return std::nullopt;
    const QByteArray bytes = data->data(MimeType);
    if (bytes.size() != 1 || bytes[0] < '0' || bytes[0] > '2')
        return std::nullopt;
    return static_cast<DragSource>(bytes[0] - '0');
}

DragStarter::DragStarter(QWidget* source, DragSource kind, const QPixmap& cursor) : source_(source), kind_(kind), cursor_(cursor) {}

void DragStarter::Press(const QMouseEvent* event, bool canDrag)
{
    pressedAt_.reset();
    if (event->button() == Qt::LeftButton && canDrag)
        pressedAt_ = event->position().toPoint();
}

bool DragStarter::Move(const QMouseEvent* event)
{
    if (!pressedAt_ || !(event->buttons() & Qt::LeftButton))
        return false;
    if ((event->position().toPoint() - *pressedAt_).manhattanLength() < QApplication::startDragDistance())
        return false;
    pressedAt_.reset();
    auto* data = new QMimeData;
    data->setData(MimeType, QByteArray(1, static_cast<char>('0' + static_cast<int>(kind_))));
    auto* drag = new QDrag(source_);
    drag->setMimeData(data);
    drag->setDragCursor(cursor_, Qt::MoveAction);
    drag->exec(Qt::MoveAction);
    return true;
}

} // namespace tarvin
