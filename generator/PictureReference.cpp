#include "generator/PictureReference.h"

#include "document/PictureName.h"

namespace tarvin {

std::string PictureReference(PictureFolder folder, const std::string& name, const PageBuildOptions& options)
{
    // A name with folders in it must not lead out of the picture folder.
    const std::string file = PictureFileName(name);
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
