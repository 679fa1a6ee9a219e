#pragma once
// The picture of the splash window and About box, drawn at run time.

#include <QPixmap>

namespace tarvin {

inline constexpr int SplashWidth = 398;
inline constexpr int SplashHeight = 299;

// The start button and the hosting badge are drawn where the splash window
// lays its hot spots.
QPixmap SplashPicture();

} // namespace tarvin
