// Copying without replacing, reading initialization files, file filters.
#include "platform/FileCopy.h"
#include "platform/FileFilter.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tarvin {
namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(CopyFileNoReplace, CopiesUnderItsOwnName) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("images");
    Write(dir.filePath("cat.gif"), "GIF89a new");
    EXPECT_EQ(CopyFileNoReplace(dir.filePath("cat.gif"), dir.filePath("images")), CopyOutcome::Copied);
    EXPECT_EQ(Read(dir.filePath("images/cat.gif")), "GIF89a new");
}

TEST(CopyFileNoReplace, LeavesAnExistingFileAsItWas) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("images");
    Write(dir.filePath("cat.gif"), "GIF89a new");
    Write(dir.filePath("images/cat.gif"), "GIF89a old");
    EXPECT_EQ(CopyFileNoReplace(dir.filePath("cat.gif"), dir.filePath("images")), CopyOutcome::AlreadyThere);
    EXPECT_EQ(Read(dir.filePath("images/cat.gif")), "GIF89a old");
}

TEST(CopyFileNoReplace, ReportsFailure) {
    QTemporaryDir dir;
    Write(dir.filePath("cat.gif"), "x");
    EXPECT_EQ(CopyFileNoReplace(dir.filePath("cat.gif"), dir.filePath("no such folder")), CopyOutcome::Failed);
    EXPECT_EQ(CopyFileNoReplace(dir.filePath("missing.gif"), dir.path()), CopyOutcome::Failed);
}

TEST(ReadIniString, ReadsAnInternetShortcut) {
    QTemporaryDir dir;
    const QString path = dir.filePath("site.url");
    Write(path,
          "[DEFAULT]\r\nBASEURL=http://wrong.example/\r\n"
          "[InternetShortcut]\r\n; comment\r\nIconIndex=0\r\n"
          "  url = http://example.com/a,b?x=1;y=2 \r\n"
          "Quoted=\"two words\"\r\n");
    // Names without regard to case; commas and semicolons stay in the value.
    EXPECT_EQ(ReadIniString(path, "InternetShortcut", "URL"), "http://example.com/a,b?x=1;y=2");
    EXPECT_EQ(ReadIniString(path, "internetshortcut", "Quoted"), "two words");
    EXPECT_EQ(ReadIniString(path, "InternetShortcut", "BASEURL"), "");
    EXPECT_EQ(ReadIniString(path, "Missing", "URL"), "");
    EXPECT_EQ(ReadIniString(dir.filePath("none.url"), "InternetShortcut", "URL"), "");
}

TEST(ReadIniString, ReadsOldBytesAsWindows1252) {
    QTemporaryDir dir;
    const QString path = dir.filePath("caf.url");
    Write(path, "[InternetShortcut]\nURL=file:///caf\xE9.html\n");
    EXPECT_EQ(ReadIniString(path, "InternetShortcut", "URL"), QString::fromUtf8("file:///café.html"));
}

TEST(ToQtFilter, TurnsPipePairsIntoQtFilters) {
    EXPECT_EQ(ToQtFilter("HTML Files|*.html"), "HTML Files (*.html)");
    EXPECT_EQ(ToQtFilter("HTML Files|*.htm;*.html|Text Files|*.txt"),
              "HTML Files (*.htm *.html);;Text Files (*.txt)");
    EXPECT_EQ(ToQtFilter(""), "");
}

} // namespace
} // namespace tarvin
