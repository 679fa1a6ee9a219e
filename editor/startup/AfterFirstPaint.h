#pragma once
// Start-up work that the first picture of the main window does not need
// runs once that picture is on screen, so that it does not delay it.

#include <functional>

class QWidget;

namespace tarvin {

// Runs work from the event loop after window has first painted itself.
void AfterFirstPaint(QWidget& window, std::function<void()> work);

} // namespace tarvin
