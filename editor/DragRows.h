#pragma once
// Dragging rows between the palette, the block list, the link list and the
// bin: every drag carries only where it came from.

#include <QPoint>
#include <optional>

class QMimeData;
class QMouseEvent;
class QPixmap;
class QWidget;

namespace tarvin {

enum class DragSource { Palette, BlockList, LinkList };

std::optional<DragSource> DragSourceOf(const QMimeData* data);

// Starts a drag once the pointer, with the left button down, has moved past
// the drag threshold from where the button went down.
class DragStarter {
public:
    DragStarter(QWidget* source, DragSource kind, const QPixmap& cursor);

    // Call from mousePressEvent; canDrag says whether a press here may drag.
    void Press(const QMouseEvent* event, bool canDrag);
    // Call from mouseMoveEvent; true when a drag ran (the event is used up).
    bool Move(const QMouseEvent* event);

private:
    QWidget* source_;
    DragSource kind_;
    const QPixmap& cursor_;
    std::optional<QPoint> pressedAt_;
};

} // namespace tarvin
