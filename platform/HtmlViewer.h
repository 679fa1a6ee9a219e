#pragma once
// The embedded HTML viewer: renders a page, resolves relative picture
// references against a server root folder, and reports link clicks. It never
// follows a link by itself and never fetches anything from the network.

#include <QTextBrowser>
#include <QUrl>

#include <string>
#include <vector>

namespace tarvin {

class HtmlViewer : public QTextBrowser {
    Q_OBJECT
public:
    explicit HtmlViewer(QWidget* parent = nullptr);

    void Clear();
    // Relative picture references are looked up here (after the folder of a
    // page loaded with LoadFile).
    void SetServerRoot(const QString& folder);
    // Lines as the generator produced them (document bytes).
    void LoadLines(const std::vector<std::string>& lines);
    // A page file that cannot be read leaves the viewer empty.
    void LoadFile(const QString& path);

    // Pictures from local files and data: addresses only; other resources
    // are not loaded.
    QVariant loadResource(int type, const QUrl& name) override;

signals:
    // Set *handled to true to keep the viewer from following the link.
    // An unhandled link is ignored: the viewer stays on its page.
    void linkClicked(const QUrl& url, bool* handled);

private:
    QString LocalPath(const QUrl& name) const;
    void ShowPage(const QString& html, const QString& folder);

    QString serverRoot_;
    QString pageFolder_;  // folder of the page loaded from a file
};

} // namespace tarvin
