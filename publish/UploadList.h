#pragma once
// What "Send to web" sends: the pictures a page uses and its published HTML file.

#include "document/PageModel.h"

#include <string>
#include <vector>

namespace tarvin::publish {

// The existing background and image files of the page, in case-insensitive
// order without duplicates. programFolder ends with '/'. Only files directly
// inside the picture folders are taken: a name with a folder or a ".." part
// is left out, and when leftOut is given, a line about it is added there.
std::vector<std::string> BuildUploadList(TPagelette& page, const std::string& programFolder,
                                         std::vector<std::string>* leftOut = nullptr);

// programFolder + "Upload/" + the document's file name up to its last full
// stop, blanks removed, + ".html"; empty when that name is empty.
std::string PageFilePath(const std::string& documentName, const std::string& programFolder);

// BuildUploadList followed by the page file when it exists: sent last to first,
// the page goes out before its pictures.
std::vector<std::string> UploadListForPage(TPagelette& page, const std::string& documentName,
                                           const std::string& programFolder,
                                           std::vector<std::string>* leftOut = nullptr);

} // namespace tarvin::publish
