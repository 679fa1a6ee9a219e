#pragma once
// What the page commands write into the working folders: Save Page (document,
// HTML copies, published copy), Save As Template, and the browser preview file.

#include "document/PageModel.h"
#include "generator/PageHtml.h"

#include <functional>
#include <stdexcept>
#include <string>

namespace tarvin {

struct PageOutputContext {
    std::string programFolder;  // with a trailing '/'
    bool showLogo = true;
    // Hooks handed on to BuildPageHtml.
    std::function<void()> storeCurrentBlock;
    std::function<void(const std::string& themeName)> selectTheme;
    std::function<void(const std::string& message)> warn;
    // Shows an error message ("Unable to create file.").
    std::function<void(const std::string& message)> error;
};

// A template's preview page could not be written; the template itself was.
class PageOutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The name of the chosen file without folder and extension ("My Page.html"
// gives "My Page"); a name without a full stop is kept whole.
std::string PageNameOf(const std::string& chosenPath);
// PageName without blanks: the name of the published copy in Upload/.
std::string PublishedNameOf(const std::string& chosenPath);

PageBuildOptions BuildOptionsFor(const PageOutputContext& context, TPathMode mode);

// Writes TarvinFiles/<PageName>.tvd, the relative copies TarvinFiles/<PageName>.html
// and <chosen path without extension>.html, and Upload/<PublishedName>.html.
// Failures of the HTML copies are ignored.
void SavePage(TPagelette& page, const std::string& chosenPath, const PageOutputContext& context);
// Writes the template to the chosen path and its preview page into Templates/;
// throws PageOutputError when the preview page cannot be written.
void SaveTemplate(TPagelette& page, const std::string& chosenPath, const PageOutputContext& context);

std::string BrowserPreviewPath(const std::string& programFolder);
// Writes the page with relative references to TarvinFiles/~tmp.html (errors
// ignored) and returns that path.
std::string WriteBrowserPreview(TPagelette& page, const PageOutputContext& context);
void DeleteBrowserPreview(const std::string& programFolder);

} // namespace tarvin
