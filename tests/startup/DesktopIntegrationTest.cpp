// The desktop files written for .tvd and .tvt files, into a temporary data
// folder, and the desktop's cache tools they start.

#include "editor/startup/DesktopFiles.h"
#include "editor/startup/DesktopIntegration.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvin {
namespace {

const char* const MimePackagePath = "/mime/packages/ostrel-tarvin.xml";
const char* const EntryPath = "/applications/ostrel-tarvin.desktop";
const char* const DocumentIconPath = "/icons/hicolor/scalable/mimetypes/application-x-ostrel-tarvin.svg";
const char* const TemplateIconPath = "/icons/hicolor/scalable/mimetypes/application-x-ostrel-tarvin-template.svg";

class DesktopTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QStringList runs;  // "tool argument" for every tool started
    bool toolsInstalled = true;

    DesktopContext Desktop(const QString& program = "/opt/tarvin/tarvin")
    {
        return {folder.path(), program,
                [this](const QString& name) { return toolsInstalled ? "/usr/bin/" + name : QString(); },
                [this](const QString& tool, const QStringList& arguments) {
                    runs << tool + ' ' + arguments.join(' ');
                }};
    }
    QString Path(const char* relative) const { return folder.path() + relative; }
    QByteArray Read(const char* relative) const
    {
        QFile file(Path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Dates every file back, so a rewrite shows as a new date.
    void AgeFiles()
    {
        const QDateTime old = QDateTime::currentDateTime().addDays(-10);
        for (const char* path : {MimePackagePath, EntryPath, DocumentIconPath, TemplateIconPath}) {
            QFile file(Path(path));
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.setFileTime(old, QFileDevice::FileModificationTime);
        }
    }
    bool Rewritten(const char* relative) const
    {
        return QFileInfo(Path(relative)).lastModified() > QDateTime::currentDateTime().addDays(-1);
    }
    // What the tools would have left behind.
    void BuildCaches()
    {
        QFile(Path("/mime/mime.cache")).open(QIODevice::WriteOnly);
        QFile(Path("/applications/mimeinfo.cache")).open(QIODevice::WriteOnly);
    }
};

TEST_F(DesktopTest, FirstStartWritesTypesEntryAndIconsAndRebuildsTheCaches)
{
    RegisterFileTypes(Desktop());

    const QByteArray mime = Read(MimePackagePath);
    EXPECT_TRUE(mime.contains("<comment>Ostrel Tarvin File</comment>"));
    EXPECT_TRUE(mime.contains("<comment>Ostrel Tarvin Template</comment>"));
    EXPECT_TRUE(mime.contains(R"(<glob pattern="*.tvd"/>)"));
    EXPECT_TRUE(mime.contains(R"(<glob pattern="*.tvt"/>)"));
    const QByteArray entry = Read(EntryPath);
    EXPECT_TRUE(entry.contains("\nExec=/opt/tarvin/tarvin %f\n"));
    EXPECT_TRUE(entry.contains("MimeType=application/x-ostrel-tarvin;application/x-ostrel-tarvin-template;"));
    EXPECT_TRUE(Read(DocumentIconPath).startsWith("<?xml"));
    EXPECT_TRUE(Read(TemplateIconPath).contains("<svg"));
    EXPECT_NE(Read(DocumentIconPath), Read(TemplateIconPath));

    EXPECT_EQ(runs, (QStringList{"/usr/bin/update-mime-database " + folder.path() + "/mime",
                                 "/usr/bin/update-desktop-database " + folder.path() + "/applications"}));
}

TEST_F(DesktopTest, UnchangedFilesAreLeftAloneAndBuiltCachesKept)
{
    RegisterFileTypes(Desktop());
    AgeFiles();
    BuildCaches();
    runs.clear();

    RegisterFileTypes(Desktop());
    for (const char* path : {MimePackagePath, EntryPath, DocumentIconPath, TemplateIconPath})
        EXPECT_FALSE(Rewritten(path)) << path;
    EXPECT_TRUE(runs.isEmpty());
}

TEST_F(DesktopTest, AMovedProgramRewritesOnlyTheEntry)
{
    RegisterFileTypes(Desktop());
    AgeFiles();
    BuildCaches();
    runs.clear();

    RegisterFileTypes(Desktop("/home/ann/tarvin/tarvin"));
    EXPECT_TRUE(Rewritten(EntryPath));
    EXPECT_FALSE(Rewritten(MimePackagePath));
    EXPECT_EQ(runs, QStringList{"/usr/bin/update-desktop-database " + folder.path() + "/applications"});
}

TEST_F(DesktopTest, MissingToolsOrAnUnwritableFolderDoNotStopTheStart)
{
    toolsInstalled = false;
    RegisterFileTypes(Desktop());
    EXPECT_TRUE(runs.isEmpty());
    EXPECT_FALSE(Read(EntryPath).isEmpty());

    // A file where the folders should go.
    QFile(Path("/blocked")).open(QIODevice::WriteOnly);
    DesktopContext blocked = Desktop();
    blocked.dataHome = Path("/blocked");
    toolsInstalled = true;
    runs.clear();
    RegisterFileTypes(blocked);
    EXPECT_FALSE(QFileInfo::exists(Path("/blocked/applications")));
    EXPECT_TRUE(runs.isEmpty());
}

TEST(DesktopExec, ProgramPathsWithBlanksAndSpecialCharactersStayOneArgument)
{
    EXPECT_EQ(DesktopExecArgument("/opt/tarvin/tarvin"), "/opt/tarvin/tarvin");
    EXPECT_EQ(DesktopExecArgument("/opt/My Tools/tarvin"), "\"/opt/My Tools/tarvin\"");
    EXPECT_EQ(DesktopExecArgument("/home/a$b/t\"q`/x\\y"), "\"/home/a\\$b/t\\\"q\\`/x\\\\y\"");
    EXPECT_EQ(DesktopExecArgument("/opt/100%/tarvin"), "/opt/100%%/tarvin");
    // In the file, the Exec value's own backslashes are escaped once more.
    EXPECT_TRUE(DesktopEntry("/opt/a b\\c/tarvin").contains("\nExec=\"/opt/a b\\\\\\\\c/tarvin\" %f\n"));
}

// Menus skip an entry that breaks the desktop entry rules, so the desktop's own
// checker must pass it without a word.
TEST(DesktopEntryFile, PassesTheDesktopFileChecker)
{
    const QString checker = QStandardPaths::findExecutable("desktop-file-validate");
    if (checker.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed";
    QTemporaryDir folder;
    const QString path = folder.filePath("ostrel-tarvin.desktop");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(DesktopEntry("/opt/My Tools/tarvin"));
    file.close();
    QProcess check;
    check.start(checker, {path});
    ASSERT_TRUE(check.waitForFinished(30000));
    EXPECT_EQ(check.exitCode(), 0);
    EXPECT_EQ(check.readAll().trimmed().toStdString(), "");
}

} // namespace
} // namespace tarvin
