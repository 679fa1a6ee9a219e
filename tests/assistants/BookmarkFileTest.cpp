#include "assistants/BookmarkFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tarvin {
namespace {

QStringList Addresses(const char* line) {
    return BookmarkAddresses(QString::fromUtf8(line));
}

TEST(BookmarkAddresses, FindsEveryAddressOfALineInOrder) {
    EXPECT_EQ(Addresses(R"(<DT><A HREF="http://a.example/" ADD_DATE="1">A</A> <A HREF="http://b.example/x">B</A>)"),
              (QStringList{"http://a.example/", "http://b.example/x"}));
    EXPECT_EQ(Addresses(R"(<a href="ftp://c.example/">c</a><A Href="d.html">)"),
              (QStringList{"ftp://c.example/", "d.html"}));
    EXPECT_TRUE(Addresses("<DT><H3>Folder</H3> HREF=x NAME=\"y\"").isEmpty());
}

TEST(BookmarkAddresses, WithoutAClosingQuoteEndsAtTheFirstBlank) {
    EXPECT_EQ(Addresses(R"(<A HREF="http://a.example/ next)"), QStringList{"http://a.example/"});
    // Neither a quote nor a blank after it: an empty row.
    EXPECT_EQ(Addresses(R"(<A HREF="http://a.example/>)"), QStringList{""});
    EXPECT_EQ(Addresses(R"(HREF="")"), QStringList{""});
}

class FindBookmarkFileTest : public ::testing::Test {
protected:
    void Touch(const QString& relative) {
        const QString path = QDir(home.path()).filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString Path(const QString& relative) const { return QDir(home.path()).filePath(relative); }

    QTemporaryDir home;
};

TEST_F(FindBookmarkFileTest, NoneInAnEmptyHome) {
    EXPECT_EQ(FindBookmarkFile(home.path()), "");
    QDir(home.path()).mkpath(".mozilla/firefox/abc.default/bookmarks.html");  // a folder is no file
    EXPECT_EQ(FindBookmarkFile(home.path()), "");
}

TEST_F(FindBookmarkFileTest, LooksInBrowserProfiles) {
    Touch(".mozilla/seamonkey/p1/x.slt/bookmarks.html");
    EXPECT_EQ(FindBookmarkFile(home.path()), Path(".mozilla/seamonkey/p1/x.slt/bookmarks.html"));
    Touch(".mozilla/firefox/abc.default/bookmarks.html");
    EXPECT_EQ(FindBookmarkFile(home.path()), Path(".mozilla/firefox/abc.default/bookmarks.html"));
    Touch(".netscape/bookmarks.html");
    EXPECT_EQ(FindBookmarkFile(home.path()), Path(".netscape/bookmarks.html"));
}

} // namespace
} // namespace tarvin
