// The theme store in Themes.dat, and applying a theme to a page.

#include "document/ComponentStream.h"
#include "look/ThemeStore.h"
#include "support/StreamBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace tarvin {
namespace {

using test::StreamBytes;

std::string OneThemeStore()
{
    StreamBytes b;
    b.Header("TWebTheme").Short("Items").Byte(0x0E).Byte(0x01)
        .Str("ThemeName", "Default").Str("LeftMargin", "0")
        .Int32("BGColor", 0x00FFFFFF).Int8("TextColor", 0).Int32("LinkColor", 0x00FF0000)
        .Int16("ALinkColor", 255).Int32("VLinkColor", 0x00800080)
        .End().End().End().End();
    return b.Bytes();
}

TEST(ThemeStore, OneThemeStoreIsWrittenByteForByte)
{
    TWebTheme store;
    TThemeItem& theme = store.Items().Add();
    theme.ThemeName = "Default";
    theme.LeftMargin = "0";
    theme.BGColor = 16777215;
    theme.LinkColor = 16711680;
    theme.ALinkColor = 255;
    theme.VLinkColor = 8388736;
    EXPECT_EQ(WriteComponentStream(store), OneThemeStore());
}

TEST(ThemeStore, LoadKeepsTheStoreNameAndReportsFailures)
{
    const auto path = std::filesystem::temp_directory_path() / ("tarvin-themes-" + std::to_string(::getpid()));
    std::string bytes = OneThemeStore();
    bytes.replace(4 + 10, 1, "\x05Store");  // give the store a name
    std::ofstream(path, std::ios::binary) << bytes;
    auto loaded = LoadThemeStore(path.string());
    ASSERT_TRUE(loaded.Ok()) << loaded.error;
    EXPECT_EQ(loaded.store->Name, "Store");
    ASSERT_EQ(loaded.store->Items().Count(), 1);
    EXPECT_EQ(loaded.store->Items().Items(0).VLinkColor, 8388736);
    ASSERT_TRUE(SaveThemeStore(path.string(), *loaded.store));
    std::string saved;
    std::ifstream in(path, std::ios::binary);
    saved.assign(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(saved, bytes);

    std::ofstream(path, std::ios::binary) << "TPF0\x0ATPagelette";
    auto bad = LoadThemeStore(path.string());
    EXPECT_FALSE(bad.Ok());
    ASSERT_NE(bad.store, nullptr);
    EXPECT_EQ(bad.store->Items().Count(), 0);
    std::filesystem::remove(path);
    EXPECT_FALSE(LoadThemeStore(path.string()).Ok());
}

TEST(ThemeStore, ApplyingAThemeCopiesLooksButNotTheTitle)
{
    TThemeItem theme;
    theme.ThemeName = "Sea";
    theme.BGImage = "waves.gif";
    theme.LeftMargin = "150";
    theme.BGColor = 1;
    theme.TextColor = 2;
    theme.LinkColor = 3;
    theme.ALinkColor = 4;
    theme.VLinkColor = 5;
    TPagePropertiesBlock details;
    details.PageTitle = "Mine";
    details.Underline = true;
    ApplyTheme(theme, details);
    EXPECT_EQ(details.ThemeName, "Sea");
    EXPECT_EQ(details.Background, "waves.gif");
    EXPECT_EQ(details.IndentMargin, "150");
    const std::vector<TColor> colours{details.BGColor, details.TextColor, details.LinkColor, details.ALinkColor,
                                      details.VLinkColor};
    EXPECT_EQ(colours, (std::vector<TColor>{1, 2, 3, 4, 5}));
    EXPECT_EQ(details.PageTitle, "Mine");
    EXPECT_TRUE(details.Underline);

    TWebTheme store;
    store.Items().Add() = theme;
    TWebTheme copy;
    copy.SetItems(store.Items());
    EXPECT_EQ(copy.Items().Items(0).BGImage, "waves.gif");
}

} // namespace
} // namespace tarvin
