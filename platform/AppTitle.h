#pragma once
// The application title: the caption of every message box.

namespace tarvin {

inline constexpr char kApplicationTitle[] = "Ostrel Tarvin 6.1";

} // namespace tarvin
