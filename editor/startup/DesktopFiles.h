#pragma once
// The texts of the desktop files that make page documents (.tvd) and
// templates (.tvt) open with the program.

#include <QByteArray>
#include <QString>
#include <vector>

namespace tarvin {

inline constexpr const char* DocumentMimeType = "application/x-ostrel-tarvin";
inline constexpr const char* TemplateMimeType = "application/x-ostrel-tarvin-template";

// The shared-mime-info package declaring both file types.
QByteArray MimePackage();
// The application entry; the desktop passes the file's path as the first
// argument after the program.
QByteArray DesktopEntry(const QString& programPath);
struct DesktopFile {
    QString path;  // below a data folder: share/ installed, ~/.local/share per user
    QByteArray content;
};

// Every file that tells the desktop about the program and its file types:
// the application entry, the shared-mime-info package and the two icons.
std::vector<DesktopFile> DesktopFiles(const QString& programPath);

// Writes one of them below dataHome whole or not at all, making its folder.
bool WriteDesktopFile(const QString& dataHome, const DesktopFile& file);

// One argument of an Exec line, quoted and escaped where the desktop entry
// rules ask for it.
QString DesktopExecArgument(const QString& argument);

} // namespace tarvin
