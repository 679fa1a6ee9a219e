#include "generator/PictureReference.h"

namespace tarvin {

std::string PictureReference(PictureFolder folder, const std::string& file, const PageBuildOptions& options)
{
    // The folder names are lower case on disk, which matters on
    // case-sensitive file systems.
    const char* const subfolder = folder == PictureFolder::Images ? "Upload/images/" : "Upload/backgrounds/";
    switch (options.mode) {
    case TPathMode::pmLocal:
        return options.programFolder + subfolder + file;
    case TPathMode::pmRelative:
        return "../" + (subfolder + file);
    case TPathMode::pmBare:
        break;
    }
    return file;
}

} // namespace tarvin
