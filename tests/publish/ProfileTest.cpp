// The profile store, the stored form of passwords and of fingerprints.
#include "publish/CertificateCheck.h"
#include "publish/OwnerOnlyFiles.h"
#include "publish/ProfilePassword.h"
#include "publish/ProfileStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tarvin::publish {
namespace {

TEST(ProfilePasswordTest, EveryByteSurvivesForEachPaddingCase)
{
    EXPECT_EQ(EncodeProfilePassword(""), "");
    for (int a = 0; a < 256; ++a) {
        const std::string one(1, static_cast<char>(a));
        ASSERT_EQ(EncodeProfilePassword(one).substr(2), "==");
        ASSERT_EQ(DecodeProfilePassword(EncodeProfilePassword(one)), one);
        for (int b = 0; b < 256; ++b) {
            const std::string two{static_cast<char>(a), static_cast<char>(b)};
            ASSERT_EQ(DecodeProfilePassword(EncodeProfilePassword(two)), two);
            const std::string three{static_cast<char>(b), static_cast<char>(a), static_cast<char>(255 - b)};
            const std::string stored = EncodeProfilePassword(three);
            ASSERT_EQ(stored.find('='), std::string::npos);
            ASSERT_EQ(DecodeProfilePassword(stored), three);
        }
        EXPECT_EQ(EncodeProfilePassword(std::string(2, static_cast<char>(a))).back(), '=');
    }
}

TEST(ProfilePasswordTest, ScramblingKeysOnTheScrambledBytes)
{
    // The key's high byte starts at 5917 >> 8 = 23; the next key depends on the output.
    const std::string scrambled = ScramblePassword("ab");
    EXPECT_EQ(static_cast<unsigned char>(scrambled[0]), 'a' ^ 23);
    const auto key = static_cast<std::uint16_t>((5917 + ('a' ^ 23)) * 41263u + 30817u);
    EXPECT_EQ(static_cast<unsigned char>(scrambled[1]), 'b' ^ (key >> 8));
    EXPECT_EQ(Base64Encode("foobar"), "Zm9vYmFy");
    EXPECT_EQ(Base64Encode("fo"), "Zm8=");
    EXPECT_EQ(Base64Decode("Zm8="), "fo");
    EXPECT_EQ(Base64Decode("Zg=="), "f");
    // Broken stored text decodes to some text and never reads out of bounds.
    EXPECT_NO_THROW(DecodeProfilePassword("!!*\xff=x"));
}

class ProfileStoreTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString file = folder.path() + "/private/Tarvin5.conf";
    ProfileStore store{file};
};

TEST_F(ProfileStoreTest, ProfilesRoundTripPrivatelyAndRenamesDropTheOldName)
{
    ServerProfile profile{"joe", "pa ss\x01\xfe", "ftp.example.org", "public_html", "2121"};
    store.SaveProfile("Home <site>", "", profile);
    EXPECT_EQ(QFile::permissions(file) & 0x0077, 0) << "settings file readable by others";
    const ServerProfile read = store.LoadProfile("Home <site>");
    EXPECT_EQ(read.UserName, "joe");
    EXPECT_EQ(read.PassWord, "pa ss\x01\xfe");
    EXPECT_EQ(read.HostName, "ftp.example.org");
    EXPECT_EQ(read.HostDirName, "public_html");
    EXPECT_EQ(read.Port, "2121");
    // Never in clear on disk.
    QFile raw(file);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_FALSE(raw.readAll().contains("pa ss"));

    store.SaveProfile("Work", "Home <site>", profile);
    EXPECT_EQ(store.ListProfiles(), (std::vector<std::string>{"Work"}));
    EXPECT_FALSE(store.Contains("Home <site>"));
    store.DeleteProfile("Work");
    EXPECT_TRUE(store.ListProfiles().empty());
}

TEST_F(ProfileStoreTest, OnlyAMissingPortDefaultsTo21)
{
    ServerProfile emptyPort;
    emptyPort.Port.clear();
    store.SaveProfile("empty port", "", emptyPort);
    EXPECT_EQ(store.LoadProfile("empty port").Port, "");
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.remove("Profiles/empty port/Port");
    }
    EXPECT_EQ(store.LoadProfile("empty port").Port, "21");
    EXPECT_EQ(store.LoadProfile("never saved").Port, "21");
}

TEST_F(ProfileStoreTest, StoredValuesEndWithOneNulAndReadUpToIt)
{
    ServerProfile profile;
    profile.HostName = "host";
    store.SaveProfile("p", "", profile);
    QSettings settings(file, QSettings::IniFormat);
    EXPECT_EQ(settings.value("Profiles/p/Host").toString(), QString("host") + QChar(u'\0'));
    settings.setValue("Profiles/p/Host", QString("left") + QChar(u'\0') + "right");
    settings.sync();
    EXPECT_EQ(store.LoadProfile("p").HostName, "left");
}

TEST_F(ProfileStoreTest, NamesIgnoreLetterCaseAndKeepTheirFirstSpelling)
{
    ServerProfile local{"joe", "pw", "127.0.0.1", "site", "2121"};
    store.SaveProfile("Local", "", local);
    for (const std::string spelling : {"Local", "local", "LOCAL", "lOcAL"}) {
        EXPECT_TRUE(store.Contains(spelling)) << spelling;
        EXPECT_EQ(store.LoadProfile(spelling).HostDirName, "site") << spelling;
    }
    EXPECT_FALSE(store.Contains("Locals"));

    // Saving another spelling writes that profile, not a second one.
    local.Port = "21";
    store.SaveProfile("LOCAL", "", local);
    EXPECT_EQ(store.ListProfiles(), std::vector<std::string>{"Local"});
    EXPECT_EQ(store.LoadProfile("Local").Port, "21");

    // The old name of a rename is found in any spelling; a new spelling of
    // the same name is a rename too.
    store.SaveProfile("Remote", "local", local);
    EXPECT_EQ(store.ListProfiles(), std::vector<std::string>{"Remote"});
    store.SaveProfile("REMOTE", "Remote", local);
    EXPECT_EQ(store.ListProfiles(), std::vector<std::string>{"REMOTE"});
    store.SaveProfile("\xC3\x9C""bung", "", local);  // letters beyond ASCII too
    EXPECT_TRUE(store.Contains("\xC3\xBC""BUNG"));
    store.DeleteProfile("\xC3\xBC""bung");
    store.DeleteProfile("remote");
    EXPECT_TRUE(store.ListProfiles().empty());
}

TEST_F(ProfileStoreTest, AnExactSpellingWinsOverOthers)
{
    // Two spellings can only come from a file edited by hand.
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue("Profiles/site/Host", "lower");
        settings.setValue("Profiles/SITE/Host", "upper");
    }
    EXPECT_EQ(store.LoadProfile("site").HostName, "lower");
    EXPECT_EQ(store.LoadProfile("SITE").HostName, "upper");
    store.DeleteProfile("SITE");
    EXPECT_EQ(store.ListProfiles(), std::vector<std::string>{"site"});
}

TEST_F(ProfileStoreTest, NamesThatWouldBreakTheStoreAreRefused)
{
    for (const std::string name : {"", "a/b", "a\\b", "tab\there", "bad\xff"})
        EXPECT_THROW(store.SaveProfile(name, "", {}), EProfileError) << name;
    EXPECT_TRUE(store.ListProfiles().empty());
    for (const std::string name : {"a=b", "[x]", "50% off", "semi;colon", "#hash", " spaced ", "\"quoted\""})
        store.SaveProfile(name, "", {});
    const auto names = store.ListProfiles();
    for (const std::string name : {"a=b", "[x]", "50% off", "semi;colon", "#hash", " spaced ", "\"quoted\""})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
}

TEST_F(ProfileStoreTest, PassiveAndTimeoutAreKeptAndAbsentMeansActiveAnd60)
{
    ServerProfile profile;
    profile.Passive = true;
    profile.Timeout = 15;
    store.SaveProfile("p", "", profile);
    EXPECT_TRUE(store.LoadProfile("p").Passive);
    EXPECT_EQ(store.LoadProfile("p").Timeout, 15);
    {
        // As a profile written before these values existed, or edited by hand.
        QSettings settings(file, QSettings::IniFormat);
        settings.remove("Profiles/p/Passive");
        settings.setValue("Profiles/p/Timeout", QString("-3") + QChar(u'\0'));
    }
    EXPECT_FALSE(store.LoadProfile("p").Passive);
    EXPECT_EQ(store.LoadProfile("p").Timeout, 60);
    profile.Passive = false;
    store.SaveProfile("p", "", profile);
    EXPECT_FALSE(store.LoadProfile("p").Passive);
}

TEST_F(ProfileStoreTest, SecurityIsPlainOnlyWhenAbsentOrPlainAndTheTrustedFingerprintIsKept)
{
    ServerProfile profile;
    profile.Tls = true;
    profile.CaFile = "/etc/company-ca.pem";
    store.SaveProfile("p", "", profile);
    EXPECT_TRUE(store.LoadProfile("p").Tls);
    EXPECT_EQ(store.LoadProfile("p").CaFile, "/etc/company-ca.pem");
    const std::string fingerprint = *NormalFingerprint(std::string(64, 'a'));
    store.SetTrustedFingerprint("p", fingerprint);
    EXPECT_EQ(store.LoadProfile("p").TrustedFingerprint, fingerprint);
    EXPECT_TRUE(store.LoadProfile("p").Tls) << "the other values stay";
    for (const auto& [stored, tls] : std::vector<std::pair<QString, bool>>{
             {"Plain", false}, {"TLS", true}, {"tls", true}, {"", true}, {"none", true}}) {
        {
            QSettings settings(file, QSettings::IniFormat);
            settings.setValue("Profiles/p/Security", stored + QChar(u'\0'));
        }
        EXPECT_EQ(store.LoadProfile("p").Tls, tls) << stored.toStdString();
    }
    {
        // As a profile written before the value existed.
        QSettings settings(file, QSettings::IniFormat);
        settings.remove("Profiles/p/Security");
    }
    EXPECT_FALSE(store.LoadProfile("p").Tls);
}

TEST(FingerprintTest, HexWithOrWithoutColonsInAnyCaseAndNothingElse)
{
    const std::string digits = "0123456789abcdef0123456789ABCDEF0123456789abcdef0123456789ABCDEF";
    const std::string normal = "01:23:45:67:89:AB:CD:EF:01:23:45:67:89:AB:CD:EF:"
                               "01:23:45:67:89:AB:CD:EF:01:23:45:67:89:AB:CD:EF";
    EXPECT_EQ(NormalFingerprint(digits), normal);
    EXPECT_EQ(NormalFingerprint(normal), normal);
    EXPECT_EQ(NormalFingerprint(" " + normal + " "), normal);
    for (const std::string& bad : {std::string(), digits.substr(2), digits + "00", "g" + digits.substr(1),
                                  digits.substr(0, 63) + "-"})
        EXPECT_FALSE(NormalFingerprint(bad)) << bad;
}

TEST(OwnerOnlyFilesTest, FilesMadeWhileItLivesArePrivateFromTheStart)
{
    QTemporaryDir folder;
    const mode_t before = ::umask(022);
    {
        const OwnerOnlyFiles guard;
        QSettings settings(folder.filePath("new.conf"), QSettings::IniFormat);
        settings.setValue("a", 1);
        settings.sync();
    }
    EXPECT_EQ(QFile::permissions(folder.filePath("new.conf")) & 0x0077, 0);
    EXPECT_EQ(::umask(before), 022) << "the creation mask is back as it was";
}

} // namespace
} // namespace tarvin::publish
