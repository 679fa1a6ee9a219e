// Writes the desktop files that the installed program ships, the same ones a
// portable program registers per user, for the build to install into share/:
//   tarvin-desktop-files FOLDER
// The entry starts "tarvin" from the search path.

#include "editor/startup/DesktopFiles.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: tarvin-desktop-files FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const tarvin::DesktopFile& file : tarvin::DesktopFiles("tarvin")) {
        if (!tarvin::WriteDesktopFile(folder, file)) {
            std::fprintf(stderr, "tarvin-desktop-files: cannot write %s\n", qPrintable(folder + '/' + file.path));
            return 1;
        }
    }
    return 0;
}
