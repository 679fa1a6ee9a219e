#include "editor/startup/WindowPlacement.h"

#include <QSettings>

namespace tarvin {

namespace {

constexpr const char* Group = "Position";
constexpr const char* Normal = "Normal";

// Values are kept as text; text that is not a whole number gives the fallback.
int ReadInteger(const QSettings& settings, const char* key, int fallback)
{
    bool ok = false;
    const int value = settings.value(key).toString().toInt(&ok);
    return ok ? value : fallback;
}

void WriteInteger(QSettings& settings, const char* key, int value)
{
    settings.setValue(key, QString::number(value));
}

} // namespace

void LoadWindowPlacement(QSettings& settings, PlacementTarget& window)
{
    settings.beginGroup(Group);
    if (settings.value("WindowState").toString() == Normal) {
        window.SetState(WindowShowState::Normal);
        QRect bounds = window.Bounds();
        bounds.moveTop(ReadInteger(settings, "Top", bounds.top()));
        bounds.moveLeft(ReadInteger(settings, "Left", bounds.left()));
        bounds.setHeight(ReadInteger(settings, "Height", bounds.height()));
        bounds.setWidth(ReadInteger(settings, "Width", bounds.width()));
        window.SetBounds(bounds);
    } else {
        window.SetState(WindowShowState::Maximized);
    }
    window.SetPaneWidth(ReadInteger(settings, "PaneWidth", window.PaneWidth()));
    settings.endGroup();
}

void SaveWindowPlacement(QSettings& settings, const PlacementTarget& window)
{
    settings.beginGroup(Group);
    switch (window.State()) {
    case WindowShowState::Normal: {
        const QRect bounds = window.Bounds();
        settings.setValue("WindowState", Normal);
        WriteInteger(settings, "Top", bounds.top());
        WriteInteger(settings, "Left", bounds.left());
        WriteInteger(settings, "Height", bounds.height());
        WriteInteger(settings, "Width", bounds.width());
        break;
    }
    case WindowShowState::Maximized:
        settings.setValue("WindowState", "Maximized");
        break;
    case WindowShowState::Other:
        break;
    }
    WriteInteger(settings, "PaneWidth", window.PaneWidth());
    settings.endGroup();
    settings.sync();
}

} // namespace tarvin
