#pragma once
// The theme store: named sets of page-wide looks (background image, left
// margin, five colours), kept in Themes.dat as a component stream.

#include "document/ClassRegistry.h"
#include "document/Collection.h"
#include "document/Component.h"
#include "document/PageModel.h"

#include <memory>
#include <string>

namespace tarvin {

class TThemeItem : public Persistent {
public:
    std::string ThemeName;
    std::string BGImage;     // file name in Upload/backgrounds/; empty for none
    std::string LeftMargin;  // pixels as decimal text
    TColor BGColor = 0;
    TColor TextColor = 0;
    TColor LinkColor = 0;
    TColor ALinkColor = 0;
    TColor VLinkColor = 0;

    const PropertyList& PublishedProperties() const override;
};

class TThemeCollection : public Collection<TThemeItem> {};

class TWebTheme : public Component {
public:
    TThemeCollection& Items() { return items_; }
    const TThemeCollection& Items() const { return items_; }
    // Copies the given themes item by item.
    void SetItems(const TThemeCollection& items);

    std::string ClassName() const override { return "TWebTheme"; }
    const PropertyList& PublishedProperties() const override;

private:
    TThemeCollection items_;
};

// Copies a theme's looks into a page's details block (name, background,
// margin and colours; title, meta tags and underline stay).
void ApplyTheme(const TThemeItem& theme, TPagePropertiesBlock& details);

struct ThemeStoreReadResult {
    std::unique_ptr<TWebTheme> store;  // an empty store when the read failed
    std::string error;                 // the system's or the stream's own error text
    bool Ok() const { return error.empty(); }
};

ThemeStoreReadResult LoadThemeStore(const std::string& path);

// Every root class a stream file of the program holds: TPagelette (page
// documents and templates) and TWebTheme (the theme store).
ClassRegistry StreamFileClasses();
bool SaveThemeStore(const std::string& path, TWebTheme& store);

} // namespace tarvin
