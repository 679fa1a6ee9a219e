#pragma once
// A desktop for tests: the data folder is the test's own and no cache tool
// is installed, so nothing outside the test's folder is touched.

#include "editor/startup/DesktopIntegration.h"

namespace tarvin::testing {

inline DesktopContext FakeDesktop(const QString& dataHome)
{
    return {dataHome, "/opt/tarvin/tarvin", [](const QString&) { return QString(); },
            [](const QString&, const QStringList&) {}};
}

} // namespace tarvin::testing
