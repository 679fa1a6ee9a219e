#pragma once
// The upload wizard is a library of its own (with the FTP client, Qt Network
// and OpenSSL under it) that the program loads when "Send to web" is first
// used, so that starting the program loads none of them. This is its one
// entry: the main window finds it by name and hands it the page to send.

#include <QString>

#include <string>

class QWidget;

namespace tarvin {

class Dialogs;
class SharedOpenDialog;
class TPagelette;

struct UploadRequest {
    Dialogs& dialogs;
    SharedOpenDialog& openDialog;
    TPagelette& document;        // saved, unchanged since
    std::string documentName;    // the document's file
    std::string workingFolder;   // with its Upload/ folder, ends with '/'
    QString settingsFile;        // the server profiles are kept beside it
    QWidget* parent;
};

// Lists the page's files, warns of pictures left out and runs the wizard.
using RunUploadWizardEntry = void (*)(const UploadRequest& request);

// The library's file name (and its soname) and the entry's symbol.
inline constexpr const char* UploadLibraryFile = "libtarvin-upload.so";
inline constexpr const char* RunUploadWizardSymbol = "tarvin_run_upload_wizard";

} // namespace tarvin
