#pragma once
// Cursors shown over the whole application for a guard's lifetime, restored
// in every case.

#include <QtCore/qnamespace.h>

namespace tarvin {

class OverrideCursor {
public:
    explicit OverrideCursor(Qt::CursorShape shape);
    ~OverrideCursor();
    OverrideCursor(const OverrideCursor&) = delete;
    OverrideCursor& operator=(const OverrideCursor&) = delete;

private:
    bool active_;
};

// The hourglass of commands that build a dialog, generate a page or copy files.
class HourglassCursor : public OverrideCursor {
public:
    HourglassCursor() : OverrideCursor(Qt::WaitCursor) {}
};

} // namespace tarvin
