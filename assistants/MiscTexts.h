#pragma once
// The fixed texts of the meta tag, font and bookmark dialog.

namespace tarvin::misc_texts {

inline constexpr char kFontCaption[] = "Font";
inline constexpr char kBookmarksCaption[] = "Netscape Bookmarks";
inline constexpr char kMetaCaption[] = "Meta Tag";
inline constexpr char kNoBookmarks[] = "No Bookmarks found.";
inline constexpr char kFindBookmarks[] =
    "Unable to find Netscape Bookmarks. Would you like to find it yourself?";
inline constexpr char kBookmarkFilter[] = "HTML Files|*.htm;*.html";
inline constexpr char kMetaExplanation[] =
    "Meta tags are used to embed hidden information about your web page for a browser or a "
    "search engine to use.";
inline constexpr char kMetaTips[] = "Right-click here for Meta Tag Tips";
inline constexpr const char* kMetaNames[] = {"Description", "Keywords", "Pics-Label", "Expires", "Reply-to"};

// Rows of the size list: shown as 7 down to 1, standing for these point sizes.
inline constexpr int kSizePoints[] = {20, 18, 16, 14, 12, 10, 8};

} // namespace tarvin::misc_texts
