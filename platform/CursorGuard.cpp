#include "platform/CursorGuard.h"

#include <QCursor>
#include <QGuiApplication>

namespace tarvin {

// Only a GUI application has cursors; without one the guard does nothing.
OverrideCursor::OverrideCursor(Qt::CursorShape shape)
    : active_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    if (active_) QGuiApplication::setOverrideCursor(QCursor(shape));
}

OverrideCursor::~OverrideCursor() {
    if (active_) QGuiApplication::restoreOverrideCursor();
}

} // namespace tarvin
