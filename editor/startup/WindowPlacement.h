#pragma once
// The main window's placement (state, bounds, left pane width) kept in the
// user's settings between runs.

#include <QRect>

class QSettings;

namespace tarvin {

enum class WindowShowState { Normal, Maximized, Other };

// What the placement reads from and applies to; the main window gives its
// own window and splitter, tests give a plain record.
class PlacementTarget {
public:
    virtual ~PlacementTarget() = default;
    virtual WindowShowState State() const = 0;
    virtual void SetState(WindowShowState state) = 0;
    // Outer position and client size, as the window is moved and resized.
    virtual QRect Bounds() const = 0;
    virtual void SetBounds(const QRect& bounds) = 0;
    virtual int PaneWidth() const = 0;
    virtual void SetPaneWidth(int width) = 0;
};

// The settings of the program's user, with the placement in group "Position".
inline constexpr const char* SettingsOrganisation = "Ostrel Software";
inline constexpr const char* SettingsApplication = "Tarvin";

// Only a stored "Normal" restores the bounds; anything else maximizes.
void LoadWindowPlacement(QSettings& settings, PlacementTarget& window);
// Bounds only in the normal state, the state only when normal or maximized,
// the pane width always.
void SaveWindowPlacement(QSettings& settings, const PlacementTarget& window);

} // namespace tarvin
