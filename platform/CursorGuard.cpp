#include "platform/CursorGuard.h"

#include <QCursor>
#include <QGuiApplication>

namespace tarvin {

// Only a GUI application has cursors; without one the guard does nothing.
HourglassCursor::HourglassCursor()
    : active_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    if (active_) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

HourglassCursor::~HourglassCursor() {
    if (active_) QGuiApplication::restoreOverrideCursor();
}

} // namespace tarvin
