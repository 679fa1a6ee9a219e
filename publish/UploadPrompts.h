#pragma once
// Everything the upload session shows or asks goes through this interface,
// answered by the upload window or by the command-line tool.

#include <string>

namespace tarvin::publish {

class UploadPrompts {
public:
    virtual ~UploadPrompts() = default;

    // The progress label's new text.
    virtual void Progress(const std::string& label) = 0;
    // true: sending (progress shown, list and its buttons locked);
    // false: idle again (progress hidden, list unlocked).
    virtual void Busy(bool busy) = 0;
    // A warning with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& question) = 0;
    virtual void Warning(const std::string& text) = 0;
    virtual void Information(const std::string& text) = 0;
};

} // namespace tarvin::publish
