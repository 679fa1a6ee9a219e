// The shipped themes' background pictures: small tiles on which the theme's
// text and links stay readable.

#include "look/ThemeStore.h"
#include "support/Contrast.h"

#include <gtest/gtest.h>

#include <QImage>

namespace tarvin {
namespace {

using testing::Contrast;
using testing::Luminance;
using testing::LuminanceOf;

TEST(ShippedBackgrounds, EveryPixelLeavesTextAndLinksReadable)
{
    const ThemeStoreReadResult read = LoadThemeStore(TARVIN_PROGRAM_FOLDER "Themes.dat");
    ASSERT_TRUE(read.Ok()) << read.error;
    for (const auto& theme : read.store->Items()) {
        if (theme->BGImage.empty())
            continue;
        const QImage picture(QString(TARVIN_PROGRAM_FOLDER "Upload/backgrounds/") + theme->BGImage.c_str());
        ASSERT_FALSE(picture.isNull()) << theme->BGImage;
        EXPECT_LE(std::max(picture.width(), picture.height()), 128) << theme->BGImage;
        double worst = 21;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QColor pixel = picture.pixelColor(x, y);
                const double under = Luminance(pixel.red(), pixel.green(), pixel.blue());
                for (const TColor colour : {theme->TextColor, theme->LinkColor, theme->ALinkColor, theme->VLinkColor})
                    worst = std::min(worst, Contrast(LuminanceOf(colour), under));
            }
        EXPECT_GE(worst, 4.5) << theme->ThemeName;
    }
}

} // namespace
} // namespace tarvin
