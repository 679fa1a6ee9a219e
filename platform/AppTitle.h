#pragma once
// The application title: the caption of every message box.

#include "TarvinVersion.h"

namespace tarvin {

inline constexpr char kApplicationTitle[] = "Ostrel Tarvin " TARVIN_VERSION;

} // namespace tarvin
