#pragma once
// Finds the upload wizard's library (publish/window/UploadWizardEntry.h) the
// first time "Send to web" needs it.

#include "publish/window/UploadWizardEntry.h"

#include <QString>

namespace tarvin {

struct UploadLibrary {
    RunUploadWizardEntry run = nullptr;  // null when it could not be loaded
    QString failure;                     // then: why
};

// Looks in this order: the process itself (a program linked with the
// library), programFolder (a portable program folder or the build's), and
// the installation's library folder beside programFolder. programFolder is
// the folder of the program file.
UploadLibrary LoadUploadLibrary(const QString& programFolder);

} // namespace tarvin
