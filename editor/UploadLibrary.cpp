#include "editor/UploadLibrary.h"

#include <QDir>
#include <QStringList>

#include <dlfcn.h>

namespace tarvin {

namespace {

void* Open(const QString& path, int flags)
{
    return dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL | flags);
}

} // namespace

UploadLibrary LoadUploadLibrary(const QString& programFolder)
{
    // Only a library already loaded answers to its bare name: no search path
    // is looked through.
    void* library = Open(UploadLibraryFile, RTLD_NOLOAD);
    QStringList failures;
    for (const QString& folder : {programFolder, programFolder + "/" TARVIN_UPLOAD_LIBRARY_FROM_PROGRAM}) {
        if (library)
            break;
        library = Open(QDir::cleanPath(folder + "/" + UploadLibraryFile), 0);
        if (!library)
            failures << QString::fromLocal8Bit(dlerror());
    }
    if (!library)
        return {nullptr, failures.join('\n')};
    // The library stays loaded: the wizard's classes are used while the program runs.
    auto run = reinterpret_cast<RunUploadWizardEntry>(dlsym(library, RunUploadWizardSymbol));
    if (!run)
        return {nullptr, QString::fromLocal8Bit(dlerror())};
    return {run, {}};
}

} // namespace tarvin
