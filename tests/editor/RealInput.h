#pragma once
// Mouse and keyboard input as the user sends it: presses, moves and releases
// at a row's rectangle on a list's viewport, and key presses to the widget
// with the focus.

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>
#include <QTimer>

namespace tarvin::testing {

inline QPoint RowCentre(const QAbstractItemView& list, int row)
{
    return list.visualRect(list.model()->index(row, 0)).center();
}

inline void ClickRow(QAbstractItemView& list, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(list.viewport(), button, {}, RowCentre(list, row));
}

// Press, release, then the second press that the platform reports as a double-click.
inline void DoubleClickRow(QAbstractItemView& list, int row)
{
    const QPoint at = RowCentre(list, row);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at);
}

// Presses at start on from, moves past the drag threshold, and lets go at
// end on to. The drag runs its own event loop, so the rest of the gesture
// arrives from inside it.
inline void DragAndDrop(QWidget* from, QPoint start, QWidget* to, QPoint end)
{
    QTest::mousePress(from, Qt::LeftButton, {}, start);
    QTimer::singleShot(0, to, [to, end] {
        QTest::mouseMove(to, end);
        QTest::mouseRelease(to, Qt::LeftButton, {}, end);
    });
    QTest::mouseMove(from, start + QPoint(QApplication::startDragDistance() + 2, 0));
}

inline void DragRowTo(QAbstractItemView& list, int row, QWidget* to, QPoint end)
{
    DragAndDrop(list.viewport(), RowCentre(list, row), to, end);
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
