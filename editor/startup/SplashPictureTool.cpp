// Draws the splash picture once, at build time, so that the start only has to
// show it (drawing its texts would load several fonts before the window can
// paint). Written as the raw pixels SplashWindow shows without decoding:
//   tarvin-splash-picture FILE

#include "editor/startup/SplashPicture.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Usage: tarvin-splash-picture FILE\n");
        return 2;
    }
    const QImage picture = tarvin::SplashPicture().toImage().convertToFormat(tarvin::SplashPixelFormat);
    QFile file(QString::fromLocal8Bit(argv[1]));
    const auto size = static_cast<qint64>(picture.sizeInBytes());
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(reinterpret_cast<const char*>(picture.constBits()), size) == size;
    return written ? 0 : 1;
}
