#pragma once
// Turns the open page document into the lines of one HTML page.

#include "document/PageModel.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvin {

// How pictures are referred to.
enum class TPathMode : std::uint8_t {
    pmLocal = 0,     // absolute paths below the program folder (internal preview)
    pmRelative = 1,  // "../Upload/..." (copies kept beside Upload/)
    pmBare = 2,      // bare file names (the published copy in Upload/)
};

enum class TLineConversion { lcParagraph, lcDropBoxOptions, lcBulletItems, lcMetaTags };

// A list of text lines that can also be read and set as one text: reading
// joins the entries, each followed by CR LF; setting splits at CR LF, a lone
// CR and a lone LF. An entry added with Add may hold line breaks of its own.
class LineList {
public:
    std::string Text() const;
    void SetText(std::string_view text);
    // Adds the lines of text as SetText reads them, after the present ones.
    void AppendText(std::string_view text);
    void Add(std::string entry) { entries_.push_back(std::move(entry)); }
    void Clear() { entries_.clear(); }
    int Count() const { return static_cast<int>(entries_.size()); }
    const std::string& operator[](int index) const;  // throws EListError
    const std::vector<std::string>& Entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
};

// A page that cannot be generated (a margin or font size that is not a number).
class GenerationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct PageBuildOptions {
    TPathMode mode = TPathMode::pmBare;
    std::string programFolder;  // with a trailing '/'
    bool showLogo = true;       // emit the credit block
    // Run first, so that the latest edits of the visible panel are included.
    std::function<void()> storeCurrentBlock;
    // Selects the theme list entry matching the page's theme name.
    std::function<void(const std::string& themeName)> selectTheme;
    // Shows the warning "Error Creating Web Page".
    std::function<void(const std::string& message)> warn;
};

// Fills lines (expected empty) with the page. A list-index error is reported
// through options.warn and the list keeps what was assigned so far; a
// GenerationError passes to the caller.
void BuildPageHtml(TPagelette& page, LineList& lines, const PageBuildOptions& options);

// "#" and the red, green and blue bytes as upper-case hex; higher bits ignored.
std::string ColorToHtml(TColor color);
std::string ApplyFontAttributes(std::string text, const std::string& fontDescription, std::uint8_t apply);
std::string ConvertLines(std::string_view text, TLineConversion way);

} // namespace tarvin
