#pragma once
// The theme editor's fixed texts.

namespace tarvin::theme_texts {

inline constexpr const char* Caption = "Page Themes";
inline constexpr const char* AddCaption = "Page Themes - Add";
inline constexpr const char* EditCaption = "Page Themes - Edit";
inline constexpr const char* Welcome =
    "Welcome to the web page theme wizard. Page themes are an easy way to set the colors, background image, "
    "and left margin of your web page all at one time. Here you can select, add, edit or delete a page theme.";
inline constexpr const char* EditNote = "Double-Click on each property above to edit.";
inline constexpr const char* NoImage = "No Background Image";
inline constexpr const char* BackgroundHint = "Double-Click on the Background Color to change";

inline constexpr const char* DuplicateName = "There is already a Theme with this name.";
inline constexpr const char* ConfirmDelete = "Do you want to delete the selected Theme?";
// %1 the picture chosen, %2 the folder it was to go to.
inline constexpr const char* CopyFailed = "The picture \"%1\" could not be copied into \"%2\".";
// %1 the store's path, %2 the reason.
inline constexpr const char* ReadFailed =
    "The page themes could not be read from \"%1\": %2.\nThe theme lists stay empty until a theme is saved "
    "in the theme editor, which creates the file.";
inline constexpr const char* SaveFailed = "The page themes could not be saved to \"%1\".";

inline constexpr const char* ImageFilter = "Images Files|*.gif;*.jpg;*.jpeg;*.bmp";
inline constexpr const char* BackgroundsFolder = "Upload/backgrounds/";
inline constexpr const char* StoreFileName = "Themes.dat";

} // namespace tarvin::theme_texts
