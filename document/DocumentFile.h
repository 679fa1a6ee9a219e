#pragma once
// Page documents (.tvd) and templates (.tvt) on disk.

#include "document/PageModel.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tarvin {

inline constexpr const char* InvalidDocumentMessage = "The selected file is not a valid .TVD or .TVT document.";
inline constexpr const char* UnableToCreateFileMessage = "Unable to create file.";

struct DocumentReadResult {
    std::unique_ptr<TPagelette> document;  // null on failure
    std::string error;                     // InvalidDocumentMessage on failure
    bool Ok() const { return document != nullptr; }
};

struct DocumentWriteResult {
    std::string error;  // empty on success
    bool Ok() const { return error.empty(); }
};

// Reads a page document or template. Any stream error gives the invalid-document message.
DocumentReadResult ReadDocument(const std::string& path);
// Writes through WriteFileReplacing.
DocumentWriteResult WriteDocument(const std::string& path, TPagelette& document);
// Opening a file whose extension is exactly ".tvt" gives an untitled document.
bool IsTemplatePath(const std::string& path);

// Page documents, templates and the theme store are a few kilobytes (a page
// of half a million empty items, saved again, some 200 MB); this bounds what a
// stray file (a device, a huge download) can make the program read.
inline constexpr std::uintmax_t MaxStreamFileSize = 256 * 1024 * 1024;

// Why path cannot be read as an input of at most maxSize bytes ("not a
// regular file", ...); empty when it can.
std::string InputFileProblem(const std::string& path, std::uintmax_t maxSize);
// Reads a whole regular file of at most MaxStreamFileSize bytes; false when
// it cannot, with the reason in *problem when given.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string* problem = nullptr);
// Writes bytes to a file through a temporary file beside it, renamed over it,
// so that a failed write leaves the previous file whole. A symbolic link
// stays and its target is replaced; a file in a folder we cannot write but
// that we may write ourselves is overwritten in place. False on failure.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

} // namespace tarvin
