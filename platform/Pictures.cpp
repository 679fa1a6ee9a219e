#include "platform/Pictures.h"

#include <QImageReader>

namespace tarvin {

QPixmap LoadPicture(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return QPixmap::fromImage(reader.read());
}

} // namespace tarvin
