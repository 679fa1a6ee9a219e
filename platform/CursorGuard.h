#pragma once
// Shows the hourglass cursor for the guard's lifetime, restoring it in every case.

namespace tarvin {

class HourglassCursor {
public:
    HourglassCursor();
    ~HourglassCursor();
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;

private:
    bool active_;
};

} // namespace tarvin
