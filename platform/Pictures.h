#pragma once
// Pictures (GIF, JPEG, BMP, PNG) decoded through Qt's image readers.

#include <QPixmap>
#include <QString>

namespace tarvin {

// A null pixmap when the file is missing or cannot be decoded.
QPixmap LoadPicture(const QString& path);

} // namespace tarvin
