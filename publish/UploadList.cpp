#include "publish/UploadList.h"

#include "document/PictureName.h"
#include "document/TextUtil.h"

#include <algorithm>
#include <exception>
#include <filesystem>

namespace tarvin::publish {

namespace {

bool IsFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// Case-insensitive order; names that differ only in case are different files
// here, so both stay, in byte order.
bool UploadOrder(const std::string& a, const std::string& b)
{
    const int compared = CompareText(a, b);
    return compared != 0 ? compared < 0 : a < b;
}

} // namespace

std::vector<std::string> BuildUploadList(TPagelette& page, const std::string& programFolder,
                                         std::vector<std::string>* leftOut)
{
    std::vector<std::string> files;
    auto& items = page.Page();
    for (int i = 0; i < items.Count(); ++i) {
        try {
            TPageItem& item = items.Items(i);
            std::string folder, name;
            if (item.BlockType == TBlockType::btPageProperties && !item.PagePropertiesBlock().Background.empty())
                folder = "Upload/backgrounds/", name = item.PagePropertiesBlock().Background;
            else if (item.BlockType == TBlockType::btImage && !item.ImageBlock().FileName.empty())
                folder = "Upload/images/", name = item.ImageBlock().FileName;
            if (name.empty())
                continue;
            if (!IsPlainFileName(name)) {
                if (leftOut)
                    leftOut->push_back("Left out of the upload: \"" + name + "\" is not a file name inside " + folder);
                continue;
            }
            if (const std::string path = programFolder + folder + name; IsFile(path))
                files.push_back(path);
        } catch (const std::exception&) {
            // An item that cannot be looked at is left out.
        }
    }
    std::sort(files.begin(), files.end(), UploadOrder);
    files.erase(std::unique(files.begin(), files.end()), files.end());
    return files;
}

std::string PageFilePath(const std::string& documentName, const std::string& programFolder)
{
    const std::string pageName = RemoveSpaces(StripExtension(ExtractFileName(documentName)));
    return pageName.empty() ? std::string() : programFolder + "Upload/" + pageName + ".html";
}

std::vector<std::string> UploadListForPage(TPagelette& page, const std::string& documentName,
                                           const std::string& programFolder, std::vector<std::string>* leftOut)
{
    std::vector<std::string> files = BuildUploadList(page, programFolder, leftOut);
    const std::string pageFile = PageFilePath(documentName, programFolder);
    if (!pageFile.empty() && IsFile(pageFile))
        files.push_back(pageFile);
    return files;
}

} // namespace tarvin::publish
