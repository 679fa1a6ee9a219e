// Initialization files: reading by the profile rules, and changes that leave
// the rest of the file as it was.
#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace tarvin {
namespace {

class IniFileTest : public ::testing::Test {
protected:
    std::string Write(const QByteArray& bytes)
    {
        QFile file(dir.filePath("Fields.ini"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName().toStdString();
    }
    QByteArray Read() const
    {
        QFile file(dir.filePath("Fields.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

TEST_F(IniFileTest, ReadsByTheProfileRules)
{
    const IniFile ini(Write("FIELD0=outside any section\n"
                            "[Default Fields]\r\n"
                            "; a comment\r\n"
                            "  field0 = Name|0  \r\n"
                            "FIELD0=Second|0\r\n"
                            "FIELD1=\"E-Mail|0\"\r\n"
                            "FIELD2=\r\n"
                            "Stray line\r\n"
                            "\r\n"
                            "[Empty]\r\n"
                            "; only a comment\r\n"
                            "[default fields]\r\n"
                            "FIELD3=Later section|0\r\n"));
    struct Case { const char* section; const char* key; const char* value; };
    for (const Case& c : {Case{"default FIELDS", "FIELD0", "Name|0"},  // first of two keys, blanks dropped
                          Case{"Default Fields", "Field1", "E-Mail|0"},  // quotes taken off
                          Case{"Default Fields", "FIELD2", ""},
                          Case{"Default Fields", "FIELD3", ""},  // a second section of the name does not count
                          Case{"Missing", "FIELD0", ""}})
        EXPECT_EQ(ini.Value(c.section, c.key), c.value) << c.section << " " << c.key;

    EXPECT_EQ(ini.LineCount("Default Fields"), 5);  // comments and blank lines are not lines
    EXPECT_TRUE(ini.HasSection("DEFAULT FIELDS"));
    EXPECT_FALSE(ini.HasSection("Empty"));  // a section without lines counts as missing
    EXPECT_FALSE(ini.HasSection("Missing"));
}

TEST_F(IniFileTest, ReplacingASectionKeepsTheRestOfTheFile)
{
    IniFile ini(Write("; Fields shipped with the program\n"
                      "[Default Fields]\n"
                      "; the form's fields\n"
                      "FIELD0=Name|0\n"
                      "FIELD1=City|0\n"
                      "\n"
                      "; choices\n"
                      "[State]\n"
                      "State0=AL|Alabama\n"));
    ini.ReplaceSection("default fields", {{"FIELD0", "Phone|0"}, {"FIELD1", "Comments|1"}, {"FIELD2", "State|4"}});
    ini.ReplaceSection("Field Bank", {{"FIELD0", "Name|0"}});
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(Read(), "; Fields shipped with the program\r\n"
                      "[Default Fields]\r\n"
                      "; the form's fields\r\n"
                      "FIELD0=Phone|0\r\n"
                      "FIELD1=Comments|1\r\n"
                      "FIELD2=State|4\r\n"
                      "\r\n"
                      "; choices\r\n"
                      "[State]\r\n"
                      "State0=AL|Alabama\r\n"
                      "\r\n"
                      "[Field Bank]\r\n"
                      "FIELD0=Name|0\r\n");
    EXPECT_EQ(IniFile(dir.filePath("Fields.ini").toStdString()).Value("Field Bank", "FIELD0"), "Name|0");
}

TEST_F(IniFileTest, EmptiedSectionKeepsItsPlaceAndLineBreaksCannotAddLines)
{
    IniFile ini(Write("[Default Fields]\r\nFIELD0=Name|0\r\n[State]\r\nState0=AL|Alabama\r\n"));
    ini.ReplaceSection("Default Fields", {});
    EXPECT_FALSE(ini.HasSection("Default Fields"));
    ini.ReplaceSection("Default Fields", {{"FIELD0", "Two\r\nFIELD1=Lines|0"}});
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(Read(), "[Default Fields]\r\nFIELD0=Two  FIELD1=Lines|0\r\n[State]\r\nState0=AL|Alabama\r\n");
}

TEST_F(IniFileTest, MissingFileIsCreatedAndAnImpossibleWriteFails)
{
    IniFile fresh(dir.filePath("New.ini").toStdString());
    EXPECT_TRUE(fresh.Readable());
    EXPECT_FALSE(fresh.HasSection("Default Fields"));
    fresh.ReplaceSection("Default Fields", {{"FIELD0", "Name|0"}});
    ASSERT_TRUE(fresh.Save());
    QFile created(dir.filePath("New.ini"));
    ASSERT_TRUE(created.open(QIODevice::ReadOnly));
    EXPECT_EQ(created.readAll(), "[Default Fields]\r\nFIELD0=Name|0\r\n");

    IniFile nowhere(dir.filePath("no such folder/Fields.ini").toStdString());
    nowhere.ReplaceSection("Default Fields", {{"FIELD0", "Name|0"}});
    EXPECT_FALSE(nowhere.Save());
}

TEST_F(IniFileTest, OversizedFileIsNeitherReadNorSavedOver)
{
    QByteArray bytes = "[Default Fields]\r\nFIELD0=Name|0\r\n";
    bytes.append(5 * 1024 * 1024, ';');
    IniFile ini(Write(bytes));
    EXPECT_FALSE(ini.Readable());
    EXPECT_FALSE(ini.HasSection("Default Fields"));
    ini.ReplaceSection("Default Fields", {});
    EXPECT_FALSE(ini.Save());
    EXPECT_EQ(Read().size(), bytes.size());
}

} // namespace
} // namespace tarvin
