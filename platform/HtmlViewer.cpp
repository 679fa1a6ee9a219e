#include "platform/HtmlViewer.h"

#include "platform/Pictures.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTextDocument>

namespace tarvin {

HtmlViewer::HtmlViewer(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        bool handled = false;
        emit linkClicked(url, &handled);
    });
}

void HtmlViewer::Clear() {
    pageFolder_.clear();
    clear();
}

void HtmlViewer::SetServerRoot(const QString& folder) {
    serverRoot_ = folder;
}

void HtmlViewer::LoadLines(const std::vector<std::string>& lines) {
    QString html;
    for (const std::string& line : lines) html += FromDocumentText(line) + QLatin1Char('\n');
    ShowPage(html, QString());
}

void HtmlViewer::LoadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Clear();
        return;
    }
    ShowPage(FromDocumentText(file.readAll().toStdString()), QFileInfo(path).absolutePath());
}

void HtmlViewer::ShowPage(const QString& html, const QString& folder) {
    pageFolder_ = folder;
    setHtml(html);
}

QString HtmlViewer::LocalPath(const QUrl& name) const {
    if (name.isLocalFile()) return name.toLocalFile();
    if (!name.scheme().isEmpty()) return {};  // http:, ftp:, data: ... are not ours
    const QString path = name.path();
    if (QDir::isAbsolutePath(path)) return path;
    for (const QString& folder : {pageFolder_, serverRoot_}) {
        if (folder.isEmpty()) continue;
        const QString candidate = QDir::cleanPath(QDir(folder).filePath(path));
        if (QFileInfo::exists(candidate)) return candidate;
    }
    return {};
}

QVariant HtmlViewer::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::ImageResource) return {};
    const QString path = LocalPath(name);
    const QPixmap picture = path.isEmpty() ? QPixmap() : LoadPicture(path);
    // A null picture, rather than nothing, so Qt does not go looking itself.
    return picture.isNull() ? QVariant(QImage()) : QVariant(picture);
}

} // namespace tarvin
