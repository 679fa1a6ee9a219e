#include "platform/TextCodec.h"

#include <gtest/gtest.h>

namespace tarvin {
namespace {

TEST(TextCodec, ValidUtf8IsReadAsUtf8) {
    EXPECT_EQ(FromDocumentText("Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"),
              QString::fromUtf8("Café € \xF0\x9F\x98\x80"));
    EXPECT_EQ(FromDocumentText(""), QString());
}

TEST(TextCodec, OtherBytesAreWindows1252) {
    // A lone é, the euro sign, curly quotes and a trademark sign.
    EXPECT_EQ(FromDocumentText("Caf\xE9 \x80 \x93x\x94 \x99"),
              QString::fromUtf8("Café € “x” ™"));
    // One stray byte makes the whole text Windows-1252, even where it
    // would have been valid UTF-8.
    EXPECT_EQ(FromDocumentText("\xC3\xA9\xFF"), QString::fromUtf8("Ã©ÿ"));
}

TEST(TextCodec, MalformedUtf8FallsBackRatherThanReplacing) {
    // Overlong "/", an encoded surrogate, a code point above U+10FFFF, a
    // sequence cut short at the end.
    for (const std::string bytes : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "ab\xE2\x82"}) {
        const QString text = FromDocumentText(bytes);
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << bytes;
        EXPECT_EQ(text.size(), static_cast<qsizetype>(bytes.size())) << bytes;
    }
}

TEST(TextCodec, UndefinedWindows1252BytesAreKept) {
    const QString text = FromDocumentText("\x81\x8D\x8F\x90\x9D");
    ASSERT_EQ(text.size(), 5);
    EXPECT_EQ(text[0].unicode(), 0x81);
    EXPECT_EQ(text[4].unicode(), 0x9D);
}

TEST(TextCodec, RoundTrips) {
    const std::string utf8 = "Gr\xC3\xBC\xC3\x9F" "e \xE2\x80\x93 \xE6\x97\xA5";
    EXPECT_EQ(ToDocumentText(FromDocumentText(utf8)), utf8);
    // Old bytes come back as the same characters in UTF-8, and stay so.
    const std::string old = "na\xEFve \x85";
    const std::string stored = ToDocumentText(FromDocumentText(old));
    EXPECT_EQ(stored, "na\xC3\xAFve \xE2\x80\xA6");
    EXPECT_EQ(FromDocumentText(stored), FromDocumentText(old));
}

} // namespace
} // namespace tarvin
