#include "document/PictureName.h"

namespace tarvin {

std::string PictureFileName(const std::string& name)
{
    const auto separator = name.find_last_of("/\\");
    std::string file = separator == std::string::npos ? name : name.substr(separator + 1);
    if (file == "." || file == "..")
        file.clear();
    return file;
}

bool IsPlainFileName(const std::string& name) { return !name.empty() && PictureFileName(name) == name; }

} // namespace tarvin
