#pragma once
// The upload wizard's fixed texts.

namespace tarvin::upload_texts {

inline constexpr const char* Caption = "Upload Wizard";
inline constexpr const char* AddCaption = "Upload Wizard - Add";
inline constexpr const char* EditCaption = "Upload Wizard - Edit";
inline constexpr const char* Welcome =
    "Congradulations! So far you have successfully created a web page. Now all you have to do is send it to the "
    "web. The Upload Wizard will take care of everything for you. Just select where you want to send your page.";
inline constexpr const char* SelectProfile = "Select a server profile";
inline constexpr const char* UploadHint =
    "Listed below are all the files to be uploaded. If you desire, add and remove items in the upload list.";

inline constexpr const char* DuplicateName = "There is already a server profile with this name.";
inline constexpr const char* DeleteQuestion = "Do you want to delete the selected server profile?";
inline constexpr const char* NoProfileChosen = "Select the server profile to send the files to first.";
inline constexpr const char* StopQuestion =
    "The files are still being sent. Do you want to stop sending and close the Upload Wizard?";

inline constexpr const char* AllFilesFilter = "All Files|*.*";

// The profile panel's security settings.
inline constexpr const char* PlainFtp = "Plain FTP";
inline constexpr const char* FtpOverTls = "FTP over TLS";
inline constexpr const char* CaFileTitle = "Certificate Authority File";
inline constexpr const char* CaFileFilter = "Certificate Files|*.pem;*.crt;*.cer|All Files|*.*";

// The connection test's window.
inline constexpr const char* TestCaption = "Connection Test";
inline constexpr const char* TestPassed = "Every step passed: the server is ready for uploads.";
inline constexpr const char* TestFailed = "The test failed. The failed step says what to try.";
inline constexpr const char* TestStopped = "The test was stopped.";
inline constexpr const char* TrustKeptOnApply = "The certificate you trusted is kept with the profile on Apply.";

} // namespace tarvin::upload_texts
