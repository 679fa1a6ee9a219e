// The program's small pictures come out of the atlas the build drew: each at
// its size, drawn, and none taken from a neighbour's place.

#include "editor/Glyphs.h"

#include <gtest/gtest.h>

#include <QImage>
#include <set>

namespace tarvin::testing {
namespace {

int DrawnPixels(const QPixmap& picture)
{
    const QImage image = picture.toImage();
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += qAlpha(image.pixel(x, y)) != 0;
    return drawn;
}

QByteArray Pixels(const QPixmap& picture)
{
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
}

void ExpectDrawnAndUnlike(const std::vector<QPixmap>& pictures, int size, std::set<QByteArray>& seen)
{
    for (size_t i = 0; i < pictures.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(pictures[i].size(), QSize(size, size));
        EXPECT_GT(DrawnPixels(pictures[i]), 8);
        EXPECT_TRUE(seen.insert(Pixels(pictures[i])).second) << "the same picture as another";
    }
}

TEST(GlyphsTest, EveryPictureIsDrawnAtItsSizeAndUnlikeEveryOther)
{
    std::set<QByteArray> seen;
    std::vector<QPixmap> blocks;
    for (int type = 0; type <= static_cast<int>(TBlockType::btForms); ++type)
        blocks.push_back(BlockIcon(static_cast<TBlockType>(type)));
    ExpectDrawnAndUnlike(blocks, 16, seen);

    std::vector<QPixmap> glyphs;
    for (int glyph = 0; glyph <= static_cast<int>(Glyph::Paragraph); ++glyph)
        if (static_cast<Glyph>(glyph) != Glyph::Browse)
            glyphs.push_back(GlyphPixmap(static_cast<Glyph>(glyph)));
    ExpectDrawnAndUnlike(glyphs, 16, seen);
    // Browse shows the folder that Open shows.
    EXPECT_EQ(Pixels(GlyphPixmap(Glyph::Browse)), Pixels(GlyphPixmap(Glyph::Open)));

    ExpectDrawnAndUnlike({BinPixmap(BinPicture::Empty), BinPixmap(BinPicture::Full), NewDragCursor(), SizeAllCursor()},
                         32, seen);
}

TEST(GlyphsTest, EveryUserSharesOnePictureAndTheIconShowsIt)
{
    EXPECT_EQ(&BlockIcon(TBlockType::btImage), &BlockIcon(TBlockType::btImage));
    const QIcon icon = GlyphIcon(Glyph::Upload);
    EXPECT_EQ(Pixels(icon.pixmap(16, 16)), Pixels(GlyphPixmap(Glyph::Upload)));
}

} // namespace
} // namespace tarvin::testing
