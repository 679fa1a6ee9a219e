#pragma once
// The picture of the splash window and About box. The build draws it into
// the program's resources, where SplashWindow takes it from.

#include <QImage>
#include <QPixmap>

namespace tarvin {

inline constexpr int SplashWidth = 398;
inline constexpr int SplashHeight = 299;
// The pixels of the picture in the resources.
inline constexpr QImage::Format SplashPixelFormat = QImage::Format_RGB32;

// The start button and the hosting badge are drawn where the splash window
// lays its hot spots.
QPixmap SplashPicture();

} // namespace tarvin
