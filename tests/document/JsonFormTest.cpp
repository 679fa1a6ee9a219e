// The JSON form: the same bytes after export and import, texts that are not
// UTF-8 kept byte for byte, and clear one-line errors for what does not fit.

#include "document/ComponentStream.h"
#include "document/DefaultPage.h"
#include "document/JsonForm.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sstream>

namespace tarvin {
namespace {

ClassRegistry Pages()
{
    ClassRegistry registry;
    registry.Register<TPagelette>();
    return registry;
}

std::string Json(Component& root)
{
    std::ostringstream out;
    WriteComponentJson(root, out);
    return out.str();
}

std::string RoundTrip(const std::string& bytes)
{
    auto root = ReadComponentStream(bytes, Pages());
    return WriteComponentStream(*ReadComponentJson(Json(*root), Pages()));
}

TEST(JsonForm, ExportThenImportGivesTheSameBytes)
{
    TPagelette page;
    BuildDefaultPage(page);
    page.Name = "Caf\xE9";                                       // Windows-1252, not UTF-8
    page.Page().Items(3).TextBlock().Text = "na\xEFve \xC3\xA9t\xC3\xA9";  // mixed
    page.Page().Items(2).LinkBlock().DropBoxText = std::string("a\tb\0c\x1F\"\\", 8);
    page.Subject = std::string(1000, 'x');
    page.Tag = -70000;
    page.Page().Items(1).HeadingBlock().ApplyFont = 255;
    TFormElement& field = page.WebForm().Add();
    field.FieldKind = TFieldKind::fkDropDown;
    field.Strings = {"a|b", "\xFF\xFE", ""};
    const auto bytes = WriteComponentStream(page);
    EXPECT_EQ(RoundTrip(bytes), bytes);

    page.FormHandler = "https://example.net/cgi-bin/FormMail.pl";
    const auto withHandler = WriteComponentStream(page);
    EXPECT_EQ(RoundTrip(withHandler), withHandler);
    EXPECT_EQ(nlohmann::ordered_json::parse(Json(page))["properties"]["FormHandler"], page.FormHandler);
}

TEST(JsonForm, LaidOutAsTheJsonLibraryDumpsIt)
{
    TPagelette page;
    BuildDefaultPage(page);
    page.Name = "\x80";
    page.Page().Items(3).TextBlock().Text = "tab\tquote\"\x01";
    page.WebForm().Add().Strings = {"Size=30", "\xE9"};
    const std::string json = Json(page);
    const auto parsed = nlohmann::ordered_json::parse(json);
    EXPECT_EQ(parsed.dump(2) + "\n", json);

    EXPECT_EQ(parsed["class"], "TPagelette");
    EXPECT_EQ(parsed["name"], (nlohmann::ordered_json{{"hex", "80"}}));
    std::vector<std::string> keys;
    for (const auto& [key, value] : parsed["properties"].items())
        keys.push_back(key);
    ASSERT_GE(keys.size(), 3u);
    EXPECT_EQ(keys[0], "Tag");
    EXPECT_EQ(keys[1], "Page");
    EXPECT_EQ(keys[2], "WebForm");
    const auto& item = parsed["properties"]["Page"][0];
    EXPECT_EQ(item["BlockType"], "btPageProperties");
    EXPECT_EQ(item["PagePropertiesBlock"]["BGColor"], 0x00FFFFFF);
    EXPECT_EQ(item["BlockOnNewLine"], false);
}

TEST(JsonForm, MembersComeInAnyOrderAndNamesInAnyCase)
{
    for (const char* text :
         {R"({"name": {"hex": "e9"}, "class": "TPagelette", "properties": {"email": "a@b", "ALPHASORT": true,
              "Page": [{"BlockType": "btHR", "HRBlock": {"Width": 50}}], "WebForm": [{"Strings": ["x", {"hex": "ff"}]}]}})",
          R"({"properties": {"email": "a@b", "ALPHASORT": true, "Page": [{"BlockType": "btHR", "HRBlock": {"Width": 50}}],
              "WebForm": [{"Strings": ["x", {"hex": "ff"}]}]}, "name": {"hex": "e9"}, "class": "TPagelette"})"}) {
        auto root = ReadComponentJson(text, Pages());
        const auto& page = dynamic_cast<TPagelette&>(*root);
        EXPECT_EQ(page.Name, "\xE9");
        EXPECT_EQ(page.Email, "a@b");
        EXPECT_TRUE(page.AlphaSort);
        ASSERT_EQ(page.Page().Count(), 1);
        EXPECT_EQ(page.Page().Items(0).BlockType, TBlockType::btHR);
        EXPECT_EQ(page.Page().Items(0).HRBlock().Width, 50);
        ASSERT_EQ(page.WebForm().Count(), 1);
        EXPECT_EQ(page.WebForm().Items(0).Strings, (StringLines{"x", "\xFF"}));
    }
}

TEST(JsonForm, RefusesWhatItCannotPlaceWithItsPath)
{
    const std::string deep = R"({"class": "TPagelette", "properties": {"Page": )" + std::string(60000, '[') +
        std::string(60000, ']') + "}}";
    const std::vector<std::pair<std::string, std::string>> cases{
        {R"({"properties": {}})", "expected an object with a \"class\""},
        {R"({"properties": {"Page": [{"BlockType": "btNothing"}]}, "class": "TPagelette"})",
         "properties.Page[0].BlockType: expected one of its type's identifiers"},
        {R"({"properties": {"Tag": 1.5}, "class": "TPagelette"})", "properties.Tag: expected an integer"},
        {R"({"properties": {"Page": )" + std::string(60000, '[') + std::string(60000, ']') + "}}",
         "properties: nested deeper than 16 levels"},
        {R"([1])", "expected an object with a \"class\""},
        {R"({"name": "x"})", "expected an object with a \"class\""},
        {R"({"class": "TThing"})", "class: unknown class TThing"},
        {R"({"class": "TPagelette", "extra": 1})", "extra: expected \"class\", \"name\" or \"properties\""},
        {R"({"class": "TPagelette", "properties": {"Colour": "x"}})", "properties.Colour: no such property"},
        // The root's name is in "name", never a property.
        {R"({"class": "TPagelette", "properties": {"Name": "x"}})", "properties.Name: no such property"},
        {R"({"class": "TPagelette", "properties": {"Border": "yes"}})", "properties.Border: expected true or false"},
        {R"({"class": "TPagelette", "properties": {"Page": [{"BlockType": "btNothing"}]}})",
         "properties.Page[0].BlockType: expected one of its type's identifiers"},
        {R"({"class": "TPagelette", "properties": {"Tag": 4294967296}})",
         "properties.Tag: expected an integer from -2147483648 to 2147483647"},
        {R"({"class": "TPagelette", "properties": {"Tag": 18446744073709551615}})",
         "properties.Tag: expected an integer from -2147483648 to 2147483647"},
        {R"({"class": "TPagelette", "properties": {"Page": [{}, {"HeadingBlock": {"ApplyFont": 257}}]}})",
         "properties.Page[1].HeadingBlock.ApplyFont: expected an integer from 0 to 255"},
        {R"({"class": "TPagelette", "properties": {"Page": [{"TextBlock": {"ApplyFont": -1}}]}})",
         "properties.Page[0].TextBlock.ApplyFont: expected an integer from 0 to 255"},
        {R"({"class": "TPagelette", "properties": {"Tag": 1.5}})", "properties.Tag: expected an integer"},
        {R"({"class": "TPagelette", "properties": {"Email": {"hex": "abc"}}})",
         "properties.Email: expected a text or {\"hex\": ...}"},
        {R"({"class": "TPagelette", "properties": {"Email": {"hex": "zz"}}})",
         "properties.Email: expected a text or {\"hex\": ...}"},
        {R"({"class": "TPagelette", "properties": {"Email": {}}})",
         "properties.Email: expected a text or {\"hex\": ...}"},
        {R"({"class": "TPagelette", "properties": {"WebForm": [{"Strings": ["a", 3]}]}})",
         "properties.WebForm[0].Strings[1]: expected a text or {\"hex\": ...}"},
        {R"({"class": "TPagelette", "properties": {"Page": [{"HRBlock": 3}]}})",
         "properties.Page[0].HRBlock: expected an object"},
        {deep, "properties.Page[0]: expected an object"},
    };
    for (const auto& [text, message] : cases) {
        try {
            ReadComponentJson(text, Pages());
            ADD_FAILURE() << "accepted: " << text.substr(0, 100);
        } catch (const JsonFormError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

TEST(JsonForm, TextThatIsNotJsonSaysSo)
{
    for (const char* text : {"", "{\"class\": ", "{\"class\": \"TPagelette\"} trailing", "\x80"}) {
        try {
            ReadComponentJson(text, Pages());
            ADD_FAILURE() << text;
        } catch (const JsonFormError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("not valid JSON (", 0), 0u) << e.what();
            EXPECT_EQ(std::string(e.what()).find('\n'), std::string::npos);
        }
    }
}

} // namespace
} // namespace tarvin
