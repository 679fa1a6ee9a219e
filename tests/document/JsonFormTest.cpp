// The JSON form: the same bytes after export and import, texts that are not
// UTF-8 kept byte for byte, and clear errors for bad JSON.

#include "document/ComponentStream.h"
#include "document/DefaultPage.h"
#include "document/JsonForm.h"

#include <gtest/gtest.h>

namespace tarvin {
namespace {

ClassRegistry Pages()
{
    ClassRegistry registry;
    registry.Register<TPagelette>();
    return registry;
}

std::string RoundTrip(const std::string& bytes)
{
    auto root = ReadComponentStream(bytes, Pages());
    // Through text, as the command-line tool does.
    const auto json = OrderedJson::parse(ComponentToJson(*root).dump(2));
    return WriteComponentStream(*ComponentFromJson(json, Pages()));
}

TEST(JsonForm, ExportThenImportGivesTheSameBytes)
{
    TPagelette page;
    BuildDefaultPage(page);
    page.Name = "Caf\xE9";                                       // Windows-1252, not UTF-8
    page.Page().Items(3).TextBlock().Text = "na\xEFve \xC3\xA9t\xC3\xA9";  // mixed
    page.Page().Items(2).LinkBlock().DropBoxText = std::string("a\tb\0c", 5);
    page.Subject = std::string(1000, 'x');
    page.Tag = -70000;
    TFormElement& field = page.WebForm().Add();
    field.FieldKind = TFieldKind::fkDropDown;
    field.Strings = {"a|b", "\xFF\xFE", ""};
    const auto bytes = WriteComponentStream(page);
    EXPECT_EQ(RoundTrip(bytes), bytes);
}

TEST(JsonForm, ShapeFollowsThePublishedOrder)
{
    TPagelette page;
    BuildDefaultPage(page);
    page.Name = "\x80";
    const auto json = ComponentToJson(page);
    EXPECT_EQ(json["class"], "TPagelette");
    EXPECT_EQ(json["name"], (OrderedJson{{"hex", "80"}}));
    std::vector<std::string> keys;
    for (const auto& [key, value] : json["properties"].items())
        keys.push_back(key);
    ASSERT_GE(keys.size(), 3u);
    EXPECT_EQ(keys[0], "Tag");
    EXPECT_EQ(keys[1], "Page");
    EXPECT_EQ(keys[2], "WebForm");
    const auto& item = json["properties"]["Page"][0];
    EXPECT_EQ(item["BlockType"], "btPageProperties");
    EXPECT_EQ(item["PagePropertiesBlock"]["BGColor"], 0x00FFFFFF);
    EXPECT_EQ(item["BlockOnNewLine"], false);
}

TEST(JsonForm, RejectsWhatItCannotPlace)
{
    const std::vector<std::pair<const char*, const char*>> cases{
        {"no class", R"({"properties": {}})"},
        {"unknown class", R"({"class": "TThing"})"},
        {"unknown property", R"({"class": "TPagelette", "properties": {"Colour": "x"}})"},
        {"text for a Boolean", R"({"class": "TPagelette", "properties": {"Border": "yes"}})"},
        {"bad identifier", R"({"class": "TPagelette", "properties": {"Page": [{"BlockType": "btNothing"}]}})"},
        {"integer too large", R"({"class": "TPagelette", "properties": {"Tag": 4294967296}})"},
        // Would wrap round to -1 if read as a signed 64-bit number.
        {"integer too large for 64 bits", R"({"class": "TPagelette", "properties": {"Tag": 18446744073709551615}})"},
        {"odd hex", R"({"class": "TPagelette", "properties": {"Email": {"hex": "abc"}}})"},
        {"bad hex digit", R"({"class": "TPagelette", "properties": {"Email": {"hex": "zz"}}})"},
        {"object expected", R"({"class": "TPagelette", "properties": {"Page": [{"HRBlock": 3}]}})"},
    };
    for (const auto& [what, text] : cases)
        EXPECT_THROW(ComponentFromJson(OrderedJson::parse(text), Pages()), JsonFormError) << what;
}

} // namespace
} // namespace tarvin
