#include "platform/HtmlViewer.h"

#include "platform/Pictures.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTextDocument>

namespace tarvin {

namespace {

// The viewer does not read the text and link colours of a page's BODY tag by
// itself; they reach it as a style sheet. Only "#RRGGBB" values count, so a
// page cannot put anything else into the style sheet.
QString BodyColorsStyleSheet(const QString& html) {
    static const QRegularExpression body(QStringLiteral("<body\\b([^>]*)>"), QRegularExpression::CaseInsensitiveOption);
    const QString attributes = body.match(html).captured(1);
    const auto colour = [&attributes](const char* name) {
        const QRegularExpression attribute(QStringLiteral("\\b%1\\s*=\\s*(\"?)(#[0-9a-f]{6})\\1(?!\\S)").arg(QLatin1String(name)),
                                           QRegularExpression::CaseInsensitiveOption);
        return attribute.match(attributes).captured(2);
    };
    QString sheet;
    if (const QString text = colour("text"); !text.isEmpty()) sheet += QStringLiteral("body { color: %1 } ").arg(text);
    if (const QString link = colour("link"); !link.isEmpty()) sheet += QStringLiteral("a { color: %1 } ").arg(link);
    return sheet;
}

} // namespace

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
    document()->setDefaultStyleSheet(BodyColorsStyleSheet(html));
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

namespace {

// A picture carried inside the page as a data: address (the credit button).
QImage DataPicture(const QUrl& name) {
    const QByteArray address = name.toEncoded();
    const qsizetype comma = address.indexOf(',');
    if (comma < 0) return {};
    const QByteArray payload = QByteArray::fromPercentEncoding(address.mid(comma + 1));
    return QImage::fromData(address.left(comma).endsWith(";base64") ? QByteArray::fromBase64(payload) : payload);
}

} // namespace

QVariant HtmlViewer::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::ImageResource) return {};
    if (name.scheme() == QLatin1String("data")) return DataPicture(name);
    const QString path = LocalPath(name);
    const QPixmap picture = path.isEmpty() ? QPixmap() : LoadPicture(path);
    // A null picture, rather than nothing, so Qt does not go looking itself.
    return picture.isNull() ? QVariant(QImage()) : QVariant(picture);
}

} // namespace tarvin
