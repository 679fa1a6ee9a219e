#pragma once
// Installing the build into a temporary prefix, unpacking its portable
// archive, and running the programs from there with a home folder of the
// test's own.

#include "generator/ProgramFolders.h"

#include <QByteArray>
#include <QDirIterator>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

namespace tarvin::testing {

// cmake --install into folder as DESTDIR, with the prefix /usr.
bool InstallInto(const QString& folder);
// The portable archive made by cpack, unpacked below folder; the program
// folder with a trailing '/', or empty text on failure.
QString UnpackPortableArchive(const QString& folder);

void MakeReadOnly(const QString& folder);
void MakeWritable(const QString& folder);

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);

// The environment of a user whose home is home and who has never run the
// program: no XDG folders of their own set, the offscreen platform.
QProcessEnvironment FreshUser(const QString& home);

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};
ProgramRun RunProgram(const QString& program, const QStringList& arguments, const QString& home);

// The window program, running offscreen past its splash until destroyed.
class RunningProgram {
public:
    RunningProgram(const QString& program, const QString& home);
    ~RunningProgram();

    // Keeps the event loop going until done() holds, for at most 30 seconds.
    bool WaitFor(const std::function<bool()>& done);
    bool StillRunning() const { return process_.state() == QProcess::Running; }
    // Ends the program and waits until it is gone.
    void Stop();

private:
    QProcess process_;
};

// True once no process is left that was started with an argument inside
// folder (the desktop's cache tools, which a portable window starts
// detached), waiting at most 30 seconds.
bool WaitForProcessesNaming(const QString& folder);

} // namespace tarvin::testing
