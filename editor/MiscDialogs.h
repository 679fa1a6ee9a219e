#pragma once
// The three faces of the font, meta tag and bookmark dialog as the editor
// uses them; the program opens the real dialog, tests answer from a script.

#include "document/PageModel.h"

#include <QFont>
#include <QString>
#include <optional>

namespace tarvin {

struct MetaTag {
    QString name;
    QString content;
};

class MiscDialogs {
public:
    virtual ~MiscDialogs() = default;

    // The font face, starting from font and color; on OK both take the
    // dialog's sample font and true is returned.
    virtual bool ChooseFont(QFont& font, TColor& color) = 0;
    // The meta tag face with its first name selected and no content.
    virtual std::optional<MetaTag> AddMetaTag() = 0;
    // The meta tag face starting from tag (no name selected when the name is
    // not one of the dialog's).
    virtual std::optional<MetaTag> EditMetaTag(const MetaTag& tag) = 0;
    // The bookmarks face; the selected row on OK.
    virtual std::optional<QString> PickBookmark() = 0;
};

} // namespace tarvin
