#include "editor/startup/DesktopFiles.h"

#include "editor/startup/DesktopIcons.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace tarvin {

QByteArray MimePackage()
{
    return QByteArray(R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type=")") + DocumentMimeType + R"(">
    <comment>Ostrel Tarvin File</comment>
    <icon name="application-x-ostrel-tarvin"/>
    <glob pattern="*.tvd"/>
  </mime-type>
  <mime-type type=")" + TemplateMimeType + R"(">
    <comment>Ostrel Tarvin Template</comment>
    <icon name="application-x-ostrel-tarvin-template"/>
    <glob pattern="*.tvt"/>
  </mime-type>
</mime-info>
)";
}

QString DesktopExecArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString escaped;
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument) {
        if (reserved.contains(c))
            needsQuotes = true;
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            escaped += '\\';
        escaped += c;
        // A lone % would read as a field code.
        if (c == '%')
            escaped += '%';
    }
    return needsQuotes ? '"' + escaped + '"' : escaped;
}

QByteArray DesktopEntry(const QString& programPath)
{
    // The Exec value is itself a string value, whose backslashes are escaped once more.
    QString exec = DesktopExecArgument(programPath);
    exec.replace('\\', QStringLiteral("\\\\"));
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Ostrel Tarvin\n"
               "GenericName=Web Page Builder\n"
               "Comment=Build web pages piece by piece without writing HTML\n"
               "Exec=%1 %f\n"
               "Icon=application-x-ostrel-tarvin\n"
               "Terminal=false\n"
               "Categories=Development;WebDevelopment;\n"
               "Keywords=web;page;website;HTML;editor;\n"
               "MimeType=%2;%3;\n")
        .arg(exec, DocumentMimeType, TemplateMimeType)
        .toUtf8();
}

std::vector<DesktopFile> DesktopFiles(const QString& programPath)
{
    const QString icons = QStringLiteral("icons/hicolor/scalable/mimetypes/");
    return {{QStringLiteral("mime/packages/ostrel-tarvin.xml"), MimePackage()},
            {QStringLiteral("applications/ostrel-tarvin.desktop"), DesktopEntry(programPath)},
            {icons + "application-x-ostrel-tarvin.svg", DocumentIconSvg()},
            {icons + "application-x-ostrel-tarvin-template.svg", TemplateIconSvg()}};
}

bool WriteDesktopFile(const QString& dataHome, const DesktopFile& file)
{
    const QString path = dataHome + '/' + file.path;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file.content) == file.content.size() && out.commit();
}

} // namespace tarvin
