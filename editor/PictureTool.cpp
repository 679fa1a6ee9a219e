// Draws the program's pictures once, at build time, so that the start only
// has to show them: the splash picture (drawing its texts would load several
// fonts before the window can paint) and the glyph atlas (two dozen small
// drawings before the first picture). Written as raw pixels the program
// takes without decoding:
//   tarvin-pictures SPLASH_FILE GLYPH_FILE

#include "editor/GlyphAtlas.h"
#include "editor/GlyphDrawings.h"
#include "editor/startup/SplashPicture.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

namespace {

bool WritePixels(const QImage& picture, const char* path)
{
    QFile file(QString::fromLocal8Bit(path));
    const auto size = static_cast<qint64>(picture.sizeInBytes());
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(picture.constBits()), size) == size;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Usage: tarvin-pictures SPLASH_FILE GLYPH_FILE\n");
        return 2;
    }
    const QImage splash = tarvin::SplashPicture().toImage().convertToFormat(tarvin::SplashPixelFormat);
    const QImage glyphs = tarvin::DrawGlyphAtlas().convertToFormat(tarvin::atlas::PixelFormat);
    return WritePixels(splash, argv[1]) && WritePixels(glyphs, argv[2]) ? 0 : 1;
}
