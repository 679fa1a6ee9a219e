// The themes that ship in the program folder's Themes.dat.

#include "document/DefaultPage.h"
#include "look/ThemeStore.h"
#include "support/Contrast.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

namespace tarvin {
namespace {

using testing::Contrast;
using testing::LuminanceOf;

const std::string ProgramFolder = TARVIN_PROGRAM_FOLDER;

std::unique_ptr<TWebTheme> ShippedStore()
{
    ThemeStoreReadResult read = LoadThemeStore(ProgramFolder + "Themes.dat");
    EXPECT_TRUE(read.Ok()) << read.error;
    return std::move(read.store);
}

TEST(ShippedThemes, DefaultComesFirstWithTheColoursOfANewPage)
{
    const auto store = ShippedStore();
    ASSERT_GE(store->Items().Count(), 8);
    EXPECT_LE(store->Items().Count(), 10);
    TPagelette page;
    BuildDefaultPage(page);
    const TPagePropertiesBlock& fresh = page.Page().Items(0).PagePropertiesBlock();
    // Applying Default to a new page changes nothing.
    TPagePropertiesBlock themed = fresh;
    ApplyTheme(store->Items().Items(0), themed);
    EXPECT_EQ(themed.ThemeName, fresh.ThemeName);
    EXPECT_EQ(themed.Background, fresh.Background);
    EXPECT_EQ(themed.IndentMargin, fresh.IndentMargin);
    EXPECT_EQ(themed.BGColor, fresh.BGColor);
    EXPECT_EQ(themed.TextColor, fresh.TextColor);
    EXPECT_EQ(themed.LinkColor, fresh.LinkColor);
    EXPECT_EQ(themed.ALinkColor, fresh.ALinkColor);
    EXPECT_EQ(themed.VLinkColor, fresh.VLinkColor);
}

TEST(ShippedThemes, NamesAreUniqueAndMarginsInRange)
{
    const auto store = ShippedStore();
    std::set<std::string> folded;
    for (const auto& theme : store->Items()) {
        std::string name = theme->ThemeName;
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        EXPECT_TRUE(folded.insert(name).second) << theme->ThemeName;
        const int margin = std::stoi(theme->LeftMargin);
        EXPECT_EQ(std::to_string(margin), theme->LeftMargin) << theme->ThemeName;
        EXPECT_TRUE(margin >= 0 && margin <= 500) << theme->ThemeName;
    }
}

// Text and links need 4.5:1 on the background colour. Default keeps the new
// page's red active link (4.0:1), shown only while a link is being clicked.
TEST(ShippedThemes, TextAndLinksStandOutFromTheBackgroundColour)
{
    const auto store = ShippedStore();
    for (const auto& theme : store->Items()) {
        const double background = LuminanceOf(theme->BGColor);
        for (const auto& [role, colour] : {std::pair{"text", theme->TextColor}, std::pair{"link", theme->LinkColor},
                                           std::pair{"visited link", theme->VLinkColor},
                                           std::pair{"active link", theme->ALinkColor}}) {
            if (theme->ThemeName == "Default" && std::string(role) == "active link")
                continue;
            EXPECT_GE(Contrast(LuminanceOf(colour), background), 4.5) << theme->ThemeName << ": " << role;
        }
    }
}

TEST(ShippedThemes, MostHaveAPictureOfTheirOwnInTheBackgroundsFolder)
{
    const auto store = ShippedStore();
    int withPicture = 0;
    for (const auto& theme : store->Items()) {
        if (theme->BGImage.empty())
            continue;
        ++withPicture;
        EXPECT_EQ(theme->BGImage.find('/'), std::string::npos);
        const auto path = std::filesystem::path(ProgramFolder) / "Upload" / "backgrounds" / theme->BGImage;
        ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
        EXPECT_LT(std::filesystem::file_size(path), 8u * 1024) << path;
    }
    EXPECT_GT(withPicture, store->Items().Count() / 2);
}

} // namespace
} // namespace tarvin
