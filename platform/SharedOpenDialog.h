#pragma once
// The main window's one open dialog. Like a common dialog object it keeps its
// filter, file name and initial folder from one use to the next, so a command
// that sets nothing opens it as the last use left it.

#include "platform/Dialogs.h"

namespace tarvin {

class SharedOpenDialog {
public:
    explicit SharedOpenDialog(Dialogs& dialogs) : dialogs_(dialogs) {}

    // Set filter, file name and folder here before Execute.
    FileDialogRequest& Request() { return request_; }
    // The chosen path, which also becomes the dialog's file name; empty on Cancel.
    std::optional<QString> Execute();

    Dialogs& Prompts() { return dialogs_; }

private:
    Dialogs& dialogs_;
    FileDialogRequest request_;
};

} // namespace tarvin
