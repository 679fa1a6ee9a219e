#pragma once
// Page documents (.tvd) and templates (.tvt) on disk.

#include "document/PageModel.h"

#include <memory>
#include <string>

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
// Writes through a temporary file in the same folder, renamed over the target,
// so a failed write never destroys the previous file.
DocumentWriteResult WriteDocument(const std::string& path, TPagelette& document);
// Opening a file whose extension is exactly ".tvt" gives an untitled document.
bool IsTemplatePath(const std::string& path);

// Reads a whole file; false when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes);
// Writes bytes to a file through a temporary file renamed over it; false on failure.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

} // namespace tarvin
