#pragma once
// Mouse and keyboard input as the user sends it: presses, moves and releases
// at a row's rectangle on a list's viewport, and key presses to the widget
// with the focus.

#include <QAbstractItemView>
#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QTest>

namespace tarvin::testing {

inline QPoint RowCentre(const QAbstractItemView& list, int row)
{
    return list.visualRect(list.model()->index(row, 0)).center();
}

inline void ClickRow(QAbstractItemView& list, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(list.viewport(), button, {}, RowCentre(list, row));
}

// On the box itself: a check box spread over a wide cell takes no clicks
// beyond its caption.
inline void ClickCheckBox(QWidget* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// A right-click sent through the window, which asks for the context menu as
// a desktop's right-click does.
inline void RightClick(QWidget* widget, QPoint at)
{
    QWidget* top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::RightButton, {}, widget->mapTo(top, at));
}

inline void RightClickRow(QAbstractItemView& list, int row)
{
    RightClick(list.viewport(), RowCentre(list, row));
}

// Press, release, then the second press that the platform reports as a double-click.
inline void DoubleClickRow(QAbstractItemView& list, int row)
{
    const QPoint at = RowCentre(list, row);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at);
}

// Presses at start on from, moves past the drag threshold and lets go at end
// on to; false when no drag started. The offscreen platform ends every drag
// as soon as it starts, delivering nothing, so what a desktop does in between
// is done here: the drag's data reaches to as drag-enter, drag-move and drop
// events, and the release that ends the drag goes to to afterwards.
inline bool DragAndDrop(QWidget* from, QPoint start, QWidget* to, QPoint end)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // drags that ended before
    QTest::mousePress(from, Qt::LeftButton, {}, start);
    QTest::mouseMove(from, start + QPoint(QApplication::startDragDistance() + 2, 0));
    const QList<QDrag*> drags = from->window()->findChildren<QDrag*>();
    if (drags.size() == 1) {
        const QMimeData* data = drags.front()->mimeData();
        QDragEnterEvent enter(end, Qt::MoveAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(to, &enter);
        QDragMoveEvent move(end, Qt::MoveAction, data, Qt::LeftButton, {});
        if (enter.isAccepted())
            QApplication::sendEvent(to, &move);
        QDropEvent drop(end, Qt::MoveAction, data, Qt::LeftButton, {});
        if (enter.isAccepted() && move.isAccepted())
            QApplication::sendEvent(to, &drop);
    }
    QTest::mouseRelease(drags.isEmpty() ? from : to, Qt::LeftButton, {}, drags.isEmpty() ? start : end);
    return drags.size() == 1;
}

inline bool DragRowTo(QAbstractItemView& list, int row, QWidget* to, QPoint end)
{
    return DragAndDrop(list.viewport(), RowCentre(list, row), to, end);
}

// Sends a key to whatever has the keyboard focus, as the keyboard does.
inline void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : QApplication::activeWindow(), key, modifiers);
}

inline void TypeText(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

} // namespace tarvin::testing
