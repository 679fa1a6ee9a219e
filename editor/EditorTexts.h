#pragma once
// The editor's fixed texts: titles, messages, filters and folder names.

namespace tarvin::texts {

inline constexpr const char* Untitled = "Untitled";
inline constexpr const char* CaptionSeparator = " - ";

inline constexpr const char* OnlyOneForm = "Sorry, only one E-mail form per page is allowed.";
inline constexpr const char* CannotDeleteDetails = "The Page Settings Block cannot be deleted.";
inline constexpr const char* ConfirmDelete = "Do you want to delete the selected Pagelette item?";
inline constexpr const char* SaveChangesQuestion = "Would you like to save changes to %1?";
inline constexpr const char* CouldNotLoadClient = "Could not load the default client.";
inline constexpr const char* PictureNotCopied =
    "The picture %1 could not be copied into %2, where the page looks for its pictures. The image keeps its previous picture.";
inline constexpr const char* SaveBeforeUpload = "You need to save %1 before uploading.";
inline constexpr const char* UploadWizardMissing = "The Upload Wizard cannot be started:\n%1";

inline constexpr const char* HtmlFilter = "HTML Files|*.html";
inline constexpr const char* TemplateFilter = "Tarvin Template|*.tvt";
inline constexpr const char* ImageFilter = "Images Files|*.gif;*.jpg;*.jpeg;*.bmp";
inline constexpr const char* TextFilter = "Text Files|*.txt";
inline constexpr const char* InternetShortcutFilter = "Internet Shortcuts|*.url";

inline constexpr const char* UploadFolder = "Upload/";
inline constexpr const char* ImagesFolder = "Upload/images/";
inline constexpr const char* TemplatesFolder = "Templates/";

} // namespace tarvin::texts
