#pragma once
// RegisterFileTypes: makes the desktop open page documents and templates
// with this program, with their own names and icons. Runs at every start;
// nothing it fails to do stops the start-up.

#include <QString>
#include <QStringList>
#include <functional>

namespace tarvin {

struct DesktopContext {
    QString dataHome;     // the user's data folder (XDG_DATA_HOME)
    QString programPath;  // the program file, as the desktop shall start it
    // The full path of a tool on the search path, empty when it is missing.
    std::function<QString(const QString& name)> findTool;
    // Starts a tool without waiting for it.
    std::function<void(const QString& tool, const QStringList& arguments)> runTool;
};

// The user's own data folder, the search path and detached processes.
DesktopContext UserDesktop(const QString& programPath);

void RegisterFileTypes(const DesktopContext& desktop);

} // namespace tarvin
