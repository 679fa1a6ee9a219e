#pragma once
// Mouse input on the form builder's row lists, as a user gives it: clicks and
// double clicks on a row's rectangle, and drags that press on a row, move past
// the drag threshold and release elsewhere. While its button is down a list
// keeps the mouse, so every event of a drag goes to the list it started in,
// with the position of the pointer wherever it is.

#include "forms/RowList.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>

namespace tarvin::testing {

inline QPoint RowCenter(const RowList& list, int row)
{
    return list.RowRect(row).center();
}

inline void ClickRow(RowList& list, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(list.viewport(), button, {}, RowCenter(list, row));
}

inline void DoubleClickRow(RowList& list, int row)
{
    const QPoint at = RowCenter(list, row);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at);
}

// Drags row from of source to the point at in target's viewport (below the
// last row when at is null).
inline void DragRow(RowList& source, int from, RowList& target, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget* viewport = source.viewport();
    const QPoint start = RowCenter(source, from);
    const QPoint end = viewport->mapFromGlobal(target.viewport()->mapToGlobal(at));
    QTest::mousePress(viewport, button, {}, start);
    QTest::mouseMove(viewport, start + QPoint(QApplication::startDragDistance() + 1, 0));
    QTest::mouseMove(viewport, end);
    QTest::mouseRelease(viewport, button, {}, end);
}

inline void DragRow(RowList& list, int from, int to)
{
    DragRow(list, from, list, RowCenter(list, to));
}

// A click on the box itself, not on the empty space a layout may give it.
inline void ClickTick(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

} // namespace tarvin::testing
