// Fields.ini semantics: field lists, choice sections, the fields a default
// entry becomes, and the file the program ships.
#include "forms/FieldKinds.h"
#include "forms/FieldsIni.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <set>

namespace tarvin {
namespace {

using K = TFieldKind;

class FieldsIniTest : public ::testing::Test {
protected:
    IniFile Ini(const QByteArray& text)
    {
        QFile file(dir.filePath("Fields.ini"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        return IniFile(file.fileName().toStdString());
    }

    QTemporaryDir dir;
};

TEST_F(FieldsIniTest, FieldEntriesAreWalkedByNumberUpToTheLineCount)
{
    const IniFile ini = Ini("[Default Fields]\n"
                            "FIELD0=Name|0\n"
                            "FIELD2=Beyond the count|0\n"  // two lines: only FIELD0 and FIELD1 are read
                            "[Field Bank]\n"
                            "FIELD3=Last|5\n"
                            "FIELD0=Comments|1\n"
                            "FIELD1=Rating|2x\n"   // a digit followed by letters is no kind
                            "FIELD2=Size|12\n"     // nor a number past 5
                            "FIELD4=\n"
                            "FIELD5=No bar\n"
                            "FIELD6=Zero padded|04\n"
                            "[Empty]\n");
    EXPECT_EQ(ReadFieldEntries(ini, "Default Fields"), (std::vector<FieldEntry>{{"Name", K::fkText}}));
    EXPECT_EQ(ReadFieldEntries(ini, "field bank"),
              (std::vector<FieldEntry>{{"Comments", K::fkTextArea}, {"Last", K::fkButton}, {"Zero padded", K::fkDropDown}}));
    EXPECT_EQ(ReadFieldEntries(ini, "Empty"), std::nullopt);
    EXPECT_EQ(ReadFieldEntries(ini, "Missing"), std::nullopt);
}

TEST_F(FieldsIniTest, WritingAListReplacesTheSection)
{
    IniFile ini = Ini("[Default Fields]\nFIELD0=Old|0\nFIELD1=Older|0\nFIELD2=Oldest|0\n");
    WriteFieldEntries(ini, DefaultFieldsSection,
                      {{"Name", K::fkText}, {"State", K::fkDropDown}});
    ASSERT_TRUE(ini.Save());
    QFile file(dir.filePath("Fields.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[Default Fields]\r\nFIELD0=Name|0\r\nFIELD1=State|4\r\n");
}

TEST_F(FieldsIniTest, ChoiceSectionsWithAndWithoutTheDefaultMark)
{
    const IniFile ini = Ini("[Colour]\n"
                            "Colour0=r|Red|Yes\n"
                            "Colour1=g|Green\n"
                            "Colour2=blue\n"
                            "Colour3=\n"
                            "Colour4=y|Yellow|No|extra\n");
    EXPECT_EQ(ReadOptionSection(ini, "Colour", true),
              (StringLines{"r|Red|Yes", "g||Green", "y|Yellow|No|extra"}));
    EXPECT_EQ(ReadOptionSection(ini, "Colour", false),
              (StringLines{"r|Red|Yes", "g|Green", "|blue", "y|Yellow|No|extra"}));
    EXPECT_EQ(ReadOptionSection(ini, "Missing", true), StringLines{});
}

TEST_F(FieldsIniTest, DefaultEntriesBecomeFieldsOfTheirKind)
{
    const IniFile ini = Ini("[Contact]\nContact0=mail|E-mail|Yes\nContact1=phone|Phone|No\n"
                            "[CREDIT]\nCREDIT0=visa|Visa\n[YEAR]\nYEAR0=2030|2030\n[MONTH]\nMONTH0=01|January\n"
                            "[Credit Card Type]\nCredit Card Type0=wrong|Not read\n");
    struct Case {
        FieldEntry entry;
        StringLines lines;
    };
    const std::vector<Case> cases{
        {{"Name", K::fkText}, {"Size=30", "Maxlength=100"}},
        {{"Comments", K::fkTextArea}, {"Cols=30", "Rows=15"}},
        {{"Contact", K::fkRadio}, {"mail|E-mail|Yes", "phone|Phone|No"}},
        {{"Contact", K::fkCheckBox}, {"mail|E-mail|Yes", "phone|Phone|No"}},
        {{"Contact", K::fkDropDown}, {"mail|E-mail|Yes", "phone|Phone|No"}},
        {{"Credit Card Type", K::fkDropDown}, {"visa|Visa"}},
        {{"Credit Card Exp Year", K::fkDropDown}, {"2030|2030"}},
        {{"Credit Card Exp Month", K::fkDropDown}, {"01|January"}},
        // The names are compared exactly; the section, like every section, in any case.
        {{"credit card type", K::fkDropDown}, {"wrong|Not read"}},
        {{"Credit Card Type", K::fkRadio}, {"wrong||Not read"}},
        {{"No Choices", K::fkDropDown}, {}},
        {{"Submit", K::fkButton}, {}},
    };
    for (const Case& c : cases) {
        TWebForm form;
        AppendBasicField(form, c.entry, ini);
        ASSERT_EQ(form.Count(), 1);
        const TFormElement& field = form.Items(0);
        EXPECT_EQ(field.FieldKind, c.entry.kind);
        EXPECT_EQ(field.Name, c.entry.name);
        EXPECT_EQ(field.Text, c.entry.name);
        EXPECT_EQ(field.Value, "");
        EXPECT_EQ(field.Strings, c.lines) << c.entry.name << " " << static_cast<int>(c.entry.kind);
    }
}

TEST(FieldKinds, KindNumbersAreWholeNumbersFromZeroToFive)
{
    struct Case { const char* text; std::optional<TFieldKind> kind; };
    for (const Case& c : {Case{"0", K::fkText}, Case{"5", K::fkButton}, Case{"003", K::fkCheckBox}, Case{"00", K::fkText},
                          Case{"6", std::nullopt}, Case{"15", std::nullopt}, Case{"1a", std::nullopt},
                          Case{"", std::nullopt}, Case{" 1", std::nullopt}, Case{"-1", std::nullopt},
                          Case{"99999999999999999999", std::nullopt}})
        EXPECT_EQ(FieldKindFromText(c.text), c.kind) << c.text;
}

// The file the build lays out in the program folder.
TEST(ShippedFieldsIni, HoldsTheDefaultsTheBankAndTheirChoices)
{
    const IniFile ini(TARVIN_PROGRAM_FOLDER "Fields.ini");
    const auto defaults = ReadFieldEntries(ini, DefaultFieldsSection);
    ASSERT_TRUE(defaults);
    EXPECT_EQ(defaults->size(), 6u);
    const auto bank = ReadFieldEntries(ini, FieldBankSection);
    ASSERT_TRUE(bank);
    EXPECT_GE(bank->size(), 12u);
    std::set<TFieldKind> kinds;
    for (const FieldEntry& entry : *bank) {
        kinds.insert(entry.kind);
        // Every choice field of the bank gets choices.
        TWebForm form;
        AppendBasicField(form, entry, ini);
        const bool choices = entry.kind == K::fkRadio || entry.kind == K::fkCheckBox || entry.kind == K::fkDropDown;
        EXPECT_EQ(form.Items(0).Strings.empty(), !choices && entry.kind != K::fkText && entry.kind != K::fkTextArea)
            << entry.name;
    }
    EXPECT_EQ(kinds.size(), 6u);
    for (const FieldEntry& entry : *defaults)
        EXPECT_NE(std::find(bank->begin(), bank->end(), entry), bank->end()) << entry.name;

    // Fifty states, DC, ten provinces and three territories.
    const StringLines states = ReadOptionSection(ini, "State", false);
    EXPECT_EQ(states.size(), 64u);
    for (const char* state : {"AK|Alaska", "DC|District of Columbia", "WY|Wyoming", "QC|Quebec", "NU|Nunavut"})
        EXPECT_NE(std::find(states.begin(), states.end(), state), states.end()) << state;
    EXPECT_EQ(ReadOptionSection(ini, "MONTH", false).size(), 12u);
    EXPECT_GE(ReadOptionSection(ini, "CREDIT", false).size(), 4u);
    const StringLines years = ReadOptionSection(ini, "YEAR", false);
    ASSERT_EQ(years.size(), 10u);
    const int year = QDate::currentDate().year();
    EXPECT_EQ(years.front(), std::to_string(year) + "|" + std::to_string(year));
    EXPECT_EQ(years.back(), std::to_string(year + 9) + "|" + std::to_string(year + 9));
}

} // namespace
} // namespace tarvin
