// The program as users get it: installed by the build's own rules into a
// temporary prefix that is then made read-only, and unpacked from the
// portable archive; each run with a fresh home folder.

#include "InstallHarness.h"

#include "TarvinVersion.h"
#include "editor/MainWindow.h"
#include "editor/ScriptedMisc.h"
#include "editor/UploadLibrary.h"
#include "editor/startup/HelpWindow.h"
#include "look/TfrmColor.h"
#include "look/TfrmTheme.h"
#include "look/ThemeSample.h"
#include "look/ThemeStore.h"
#include "platform/ListBoxHrz.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <dlfcn.h>

namespace tarvin::testing {
namespace {

// Every installed file with its size and time: the prefix must not change.
QStringList Listing(const QString& folder)
{
    QStringList listing;
    QDirIterator files(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        listing << file.filePath() + ' ' + QString::number(file.size()) + ' ' +
                       file.lastModified().toString(Qt::ISODateWithMs);
    }
    listing.sort();
    return listing;
}

class InstalledProgramTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        stage = new QTemporaryDir;
        ASSERT_TRUE(InstallInto(stage->path()));
        MakeReadOnly(stage->path());
        installed = new QStringList(Listing(stage->path()));
    }
    static void TearDownTestSuite()
    {
        MakeWritable(stage->path());
        delete installed;
        delete stage;
    }
    void TearDown() override { EXPECT_EQ(Listing(stage->path()), *installed) << "the prefix changed"; }

    static QString Bin() { return stage->path() + "/usr/bin/"; }
    static QString Shipped() { return stage->path() + "/usr/share/ostrel-tarvin/"; }
    QString Working() const { return home.path() + "/.local/share/Ostrel Tarvin/"; }

    static QTemporaryDir* stage;
    static QStringList* installed;
    QTemporaryDir home;
};

QTemporaryDir* InstalledProgramTest::stage = nullptr;
QStringList* InstalledProgramTest::installed = nullptr;

TEST_F(InstalledProgramTest, BothProgramsTellTheBuildsVersion)
{
    const ProgramRun window = RunProgram(Bin() + "tarvin", {"--version"}, home.path());
    EXPECT_EQ(window.status, 0);
    EXPECT_EQ(window.out, "Ostrel Tarvin " TARVIN_VERSION "\n");
    const ProgramRun cli = RunProgram(Bin() + "tarvin-cli", {"--version"}, home.path());
    EXPECT_EQ(cli.status, 0);
    EXPECT_EQ(cli.out, "tarvin-cli (Ostrel Tarvin) " TARVIN_VERSION "\n");
    EXPECT_FALSE(QFileInfo::exists(Working()));
}

TEST_F(InstalledProgramTest, TheInstallationShipsWhatTheBuildLaysOutInTheProgramFolder)
{
    // The build writes some of them from their sources (Fields.ini gains its
    // years and CR LF line breaks): the installed copies are the written ones.
    for (const char* file : {"Fields.ini", "Themes.dat", "FormMail.pl", "Templates/Club.tvt", "Templates/Club.html",
                             "Palettes/Web Palette.pal", "Help/index.html"}) {
        const QByteArray built = ReadBytes(TARVIN_BUILD_DIR "/bin/" + QString(file));
        EXPECT_FALSE(built.isEmpty()) << file;
        EXPECT_TRUE(ReadBytes(Shipped() + file) == built) << file << " differs from the build's copy";
    }
}

// The window program starts without the upload wizard's library and loads
// it from the installation when "Send to web" needs it. (This test program
// does not link it: it is loaded here for the first time.)
TEST_F(InstalledProgramTest, TheUploadWizardsLibraryIsLoadedFromTheInstallation)
{
    const UploadLibrary missing = LoadUploadLibrary(home.path());
    EXPECT_EQ(missing.run, nullptr);
    EXPECT_TRUE(missing.failure.contains(home.path())) << missing.failure.toStdString();

    const UploadLibrary installed = LoadUploadLibrary(Bin());
    ASSERT_NE(installed.run, nullptr) << installed.failure.toStdString();
    Dl_info from{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(installed.run), &from), 0);
    const QString file = QFileInfo(QString::fromLocal8Bit(from.dli_fname)).absoluteFilePath();
    EXPECT_TRUE(file.startsWith(stage->path() + "/usr/lib/")) << file.toStdString();
    EXPECT_TRUE(file.endsWith("/ostrel-tarvin/libtarvin-upload.so")) << file.toStdString();
}

TEST_F(InstalledProgramTest, TheCommandLineToolMakesAndSeedsTheUsersFolderWhenItNeedsIt)
{
    const QString page = home.filePath("page.tvd");
    ASSERT_EQ(RunProgram(Bin() + "tarvin-cli", {"new", page}, home.path()).status, 0);
    EXPECT_FALSE(QFileInfo::exists(Working())) << "new needs no working folder";
    const ProgramRun other = RunProgram(Bin() + "tarvin-cli", {"render", page, "--program-folder", home.filePath("mine")},
                                 home.path());
    EXPECT_EQ(other.status, 0) << other.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Working())) << "--program-folder names another";

    const ProgramRun render = RunProgram(Bin() + "tarvin-cli", {"render", page, "--mode", "local"}, home.path());
    ASSERT_EQ(render.status, 0) << render.err.toStdString();
    EXPECT_TRUE(render.out.contains(Working() + "Upload/images/")) << render.out.toStdString();
    for (const char* file : {"Themes.dat", "Fields.ini", "FormMail.pl", "Templates/Club.tvt", "Templates/Club.html"})
        EXPECT_EQ(ReadBytes(Working() + file), ReadBytes(Shipped() + file)) << file;
    for (const char* folder : {"Upload/images", "Upload/backgrounds", "TarvinFiles"})
        EXPECT_TRUE(QFileInfo(Working() + folder).isDir()) << folder;
    const QStringList backgrounds = QDir(Shipped() + "Upload/backgrounds").entryList(QDir::Files);
    EXPECT_FALSE(backgrounds.isEmpty());
    EXPECT_EQ(QDir(Working() + "Upload/backgrounds").entryList(QDir::Files), backgrounds);
}

TEST_F(InstalledProgramTest, TheWindowSavesIntoTheUsersFolderAndTheNextStartKeepsItsFiles)
{
    const ProgramFolders folders =
        LocateProgramFolders(Bin().toStdString(), (home.path() + "/.local/share").toStdString());
    ASSERT_TRUE(folders.installed);
    ASSERT_EQ(PrepareWorkingFolder(folders), "");
    ScriptedDialogs dialogs;
    SharedOpenDialog openDialog(dialogs);
    ScriptedMisc misc;
    QSettings settings(home.filePath("settings.ini"), QSettings::IniFormat);
    auto window = std::make_unique<TfrmMain>(dialogs, openDialog, misc, folders, settings);
    window->show();
    EXPECT_EQ(window->ProgramFolder(), Working());
    EXPECT_GT(window->lstThemes->count(), 0) << "the themes seeded from the shipped store";

    dialogs.ChoosingFile(Working() + "Upload/My Page.html");
    QTest::mouseClick(window->btnSave, Qt::LeftButton);
    for (const char* file : {"TarvinFiles/My Page.tvd", "TarvinFiles/My Page.html", "Upload/MyPage.html"})
        EXPECT_TRUE(QFileInfo::exists(Working() + file)) << file;
    dialogs.ChoosingFile(Working() + "Templates/Mine.tvt");
    QTest::mouseClick(window->btnTemplate, Qt::LeftButton);
    EXPECT_TRUE(QFileInfo::exists(Working() + "Templates/Mine.html"));

    // A theme edited and saved in the user's store, its colour picked from the
    // installed palettes.
    QStringList palettes;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<TfrmTheme*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        QTest::mouseClick(editor->btnAdd, Qt::LeftButton);
        QTest::keyClicks(editor->txtDescription, "Mine");
        QTimer::singleShot(0, [&] {
            auto* picker = qobject_cast<TfrmColor*>(QApplication::activeModalWidget());
            ASSERT_NE(picker, nullptr);
            const auto* box = picker->findChild<QComboBox*>("cbPalette");
            for (int row = 0; row < box->count(); ++row)
                palettes << box->itemText(row);
            picker->reject();
        });
        QTest::mouseDClick(editor->sample->lblTextColor, Qt::LeftButton);
        QTest::mouseClick(editor->btnApply, Qt::LeftButton);
        editor->reject();
    });
    QTest::mouseClick(window->btnPreview, Qt::LeftButton);
    QTest::mouseClick(window->btnThemeEdit, Qt::LeftButton);
    EXPECT_TRUE(palettes.contains("Web Palette")) << palettes.join(", ").toStdString();
    ThemeStoreReadResult saved = LoadThemeStore((Working() + "Themes.dat").toStdString());
    ASSERT_TRUE(saved.Ok());
    EXPECT_EQ(saved.store->Items().Items(saved.store->Items().Count() - 1).ThemeName, "Mine");

    // The help comes from the installation.
    QTest::mouseClick(window->btnHelp, Qt::LeftButton);
    const HelpWindow* help = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* shown = qobject_cast<HelpWindow*>(top); shown && shown->isVisible())
            help = shown;
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->Browser()->toPlainText().isEmpty());
    window.reset();
    EXPECT_TRUE(dialogs.calls.size() == 2 && dialogs.AllAnswersUsed());

    // The user's own changes survive the next start.
    WriteBytes(Working() + "Fields.ini", "[Default]\r\n");
    ASSERT_TRUE(QFile::remove(Working() + "Templates/Club.tvt"));
    ASSERT_EQ(PrepareWorkingFolder(folders), "");
    window = std::make_unique<TfrmMain>(dialogs, openDialog, misc, folders, settings);
    EXPECT_EQ(ReadBytes(Working() + "Fields.ini"), "[Default]\r\n");
    EXPECT_FALSE(QFileInfo::exists(Working() + "Templates/Club.tvt"));
    EXPECT_TRUE(QFileInfo::exists(Working() + "Templates/Mine.tvt"));
    EXPECT_TRUE(QFileInfo::exists(Working() + "TarvinFiles/My Page.tvd"));
}

TEST_F(InstalledProgramTest, TheInstalledWindowStartsWithoutWritingDesktopFiles)
{
    RunningProgram window(Bin() + "tarvin", home.path());
    ASSERT_TRUE(window.WaitFor([&] { return QFileInfo::exists(Working() + "Themes.dat"); }));
    // The time a portable window takes to register itself (see below).
    QTest::qWait(1500);
    ASSERT_TRUE(window.StillRunning());
    EXPECT_FALSE(QFileInfo::exists(home.path() + "/.local/share/applications"));
    EXPECT_FALSE(QFileInfo::exists(home.path() + "/.local/share/mime"));
}

TEST(InstallHarness, InstallingAndPackingLeaveTheBuildFolderAsTheyFoundIt)
{
    const auto manifests = [] {
        QStringList state;
        for (const char* name : {"install_manifest.txt", "install_manifest_portable.txt"}) {
            const QString path = TARVIN_BUILD_DIR "/" + QString(name);
            state << name + QString(QFileInfo::exists(path) ? " " + ReadBytes(path).toHex() : " absent");
        }
        return state;
    };
    const QStringList before = manifests();
    QTemporaryDir stage;
    ASSERT_TRUE(InstallInto(stage.path()));
    EXPECT_FALSE(UnpackPortableArchive(stage.path()).isEmpty());
    EXPECT_TRUE(manifests() == before);
}

TEST(PortableProgram, TheUnpackedArchiveWorksBesideItselfAndRegistersPerUser)
{
    QTemporaryDir unpacked;
    QTemporaryDir home;
    const QString folder = UnpackPortableArchive(unpacked.path());
    ASSERT_FALSE(folder.isEmpty());
    for (const char* file : {"tarvin", "tarvin-cli", "libtarvin-upload.so", "Themes.dat", "Fields.ini", "FormMail.pl", "Help/index.html",
                             "Palettes/Web Palette.pal", "Templates/Club.tvt", "Upload/images", "Upload/backgrounds",
                             "TarvinFiles"})
        EXPECT_TRUE(QFileInfo::exists(folder + file)) << file;

    const QString page = home.filePath("page.tvd");
    ASSERT_EQ(RunProgram(folder + "tarvin-cli", {"new", page}, home.path()).status, 0);
    const ProgramRun render = RunProgram(folder + "tarvin-cli", {"render", page, "--mode", "local"}, home.path());
    ASSERT_EQ(render.status, 0) << render.err.toStdString();
    EXPECT_TRUE(render.out.contains(folder + "Upload/images/")) << render.out.toStdString();

    const ProgramFolders folders = LocateProgramFolders(folder.toStdString(), home.path().toStdString());
    EXPECT_EQ(folders.working, folder.toStdString());
    ScriptedDialogs dialogs;
    SharedOpenDialog openDialog(dialogs);
    ScriptedMisc misc;
    QSettings settings(home.filePath("settings.ini"), QSettings::IniFormat);
    {
        TfrmMain window(dialogs, openDialog, misc, folders, settings);
        window.show();
        dialogs.ChoosingFile(folder + "Upload/Beside.html");
        QTest::mouseClick(window.btnSave, Qt::LeftButton);
    }
    EXPECT_TRUE(QFileInfo::exists(folder + "TarvinFiles/Beside.tvd"));
    EXPECT_TRUE(QFileInfo::exists(folder + "Upload/Beside.html"));

    RunningProgram window(folder + "tarvin", home.path());
    const QString entry = home.path() + "/.local/share/applications/ostrel-tarvin.desktop";
    ASSERT_TRUE(window.WaitFor([&] { return QFileInfo::exists(entry); }));
    EXPECT_TRUE(ReadBytes(entry).contains("\nExec=" + QFileInfo(folder + "tarvin").absoluteFilePath().toUtf8() + " %f\n"));
    EXPECT_FALSE(QFileInfo::exists(home.path() + "/Ostrel Tarvin"));
    EXPECT_FALSE(QFileInfo::exists(home.path() + "/.local/share/Ostrel Tarvin"));
    // The cache tools it started would write into the home after it is gone.
    window.Stop();
    EXPECT_TRUE(WaitForProcessesNaming(home.path()));
}

} // namespace
} // namespace tarvin::testing
