#include "InstallHarness.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTest>

#include <optional>
#include <utility>
#include <vector>

namespace tarvin::testing {

namespace {

bool Runs(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment = {})
{
    QProcess process;
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    return process.waitForFinished(300000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

void SetPermissions(const QString& folder, QFileDevice::Permissions add, QFileDevice::Permissions remove)
{
    QStringList paths{folder};
    QDirIterator files(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext())
        paths << files.next();
    // Folders last when closing them, first when opening them.
    if (remove != QFileDevice::Permissions())
        std::reverse(paths.begin(), paths.end());
    for (const QString& path : paths) {
        QFile file(path);
        file.setPermissions((file.permissions() | add) & ~remove);
    }
}

// cmake --install and cpack write the list of what they installed into the
// build folder; a test leaves that folder as it found it.
class InstallManifestsKept {
public:
    InstallManifestsKept()
    {
        for (const char* name : {"install_manifest.txt", "install_manifest_portable.txt"}) {
            QFile file(QStringLiteral(TARVIN_BUILD_DIR "/") + name);
            kept_.push_back({file.fileName(), file.open(QIODevice::ReadOnly) ? std::optional(file.readAll())
                                                                                : std::nullopt});
        }
    }
    ~InstallManifestsKept()
    {
        for (const auto& [path, bytes] : kept_) {
            if (bytes)
                WriteBytes(path, *bytes);
            else
                QFile::remove(path);
        }
    }
    InstallManifestsKept(const InstallManifestsKept&) = delete;
    InstallManifestsKept& operator=(const InstallManifestsKept&) = delete;

private:
    std::vector<std::pair<QString, std::optional<QByteArray>>> kept_;
};

} // namespace

bool InstallInto(const QString& folder)
{
    const InstallManifestsKept manifests;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DESTDIR", folder);
    return Runs(CMAKE_COMMAND_PATH, {"--install", TARVIN_BUILD_DIR, "--prefix", "/usr"}, environment);
}

QString UnpackPortableArchive(const QString& folder)
{
    const QString packages = folder + "/packages";
    const InstallManifestsKept manifests;
    if (!Runs(CPACK_COMMAND_PATH, {"-G", "TGZ", "--config", TARVIN_BUILD_DIR "/CPackConfig.cmake", "-B", packages}))
        return {};
    const QStringList archives = QDir(packages).entryList({"*.tar.gz"}, QDir::Files);
    if (archives.size() != 1 || !Runs("tar", {"-xzf", packages + '/' + archives.front(), "-C", folder}))
        return {};
    QString unpacked = archives.front();
    unpacked.chop(int(qstrlen(".tar.gz")));
    return folder + '/' + unpacked + '/';
}

void MakeReadOnly(const QString& folder)
{
    SetPermissions(folder, {}, QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup |
                                   QFileDevice::WriteOther);
}

void MakeWritable(const QString& folder)
{
    SetPermissions(folder, QFileDevice::WriteOwner | QFileDevice::WriteUser, {});
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QProcessEnvironment FreshUser(const QString& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_DIRS"})
        environment.remove(name);
    environment.insert("HOME", home);
    environment.insert("XDG_RUNTIME_DIR", home);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("TARVIN_NO_SPLASH_WAIT", "1");
    return environment;
}

ProgramRun RunProgram(const QString& program, const QStringList& arguments, const QString& home)
{
    QProcess process;
    process.setProcessEnvironment(FreshUser(home));
    process.start(program, arguments);
    ProgramRun run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

RunningProgram::RunningProgram(const QString& program, const QString& home)
{
    process_.setProcessEnvironment(FreshUser(home));
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(program, {});
}

RunningProgram::~RunningProgram()
{
    Stop();
}

void RunningProgram::Stop()
{
    process_.kill();
    process_.waitForFinished(10000);
}

bool RunningProgram::WaitFor(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(30000);
    while (!done()) {
        if (deadline.hasExpired() || process_.state() == QProcess::NotRunning)
            return false;
        QTest::qWait(50);
    }
    return true;
}

namespace {

bool SomeProcessNames(const QString& folder)
{
    const QStringList processes = QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs);
    for (const QString& process : processes)
        for (const QByteArray& argument : ReadBytes("/proc/" + process + "/cmdline").split('\0'))
            if (QString::fromLocal8Bit(argument).startsWith(folder))
                return true;
    return false;
}

} // namespace

bool WaitForProcessesNaming(const QString& folder)
{
    const QDeadlineTimer deadline(30000);
    while (SomeProcessNames(folder)) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(50);
    }
    return true;
}

} // namespace tarvin::testing
