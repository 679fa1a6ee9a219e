#pragma once
// The fixed texts of the template gallery.

namespace tarvin::template_texts {

inline constexpr char kCaption[] = "Templates";
inline constexpr char kBrowse[] = "Browse...";
inline constexpr char kDeleteItem[] = "&Delete Item";
inline constexpr char kDeleteQuestion[] = "Do you want to delete %1?";
inline constexpr char kBrowseFilter[] = "Tarvin Files|*.tvd|Tarvin Template|*.tvt";
inline constexpr char kPreviewFont[] = "Times New Roman";

} // namespace tarvin::template_texts
