#include "look/ThemeStore.h"

#include "document/ComponentStream.h"
#include "document/DocumentFile.h"

#include <cerrno>
#include <cstring>

namespace tarvin {

using namespace published;

const PropertyList& TThemeItem::PublishedProperties() const
{
    using C = TThemeItem;
    static const PropertyList list{
        String<C>("ThemeName", &C::ThemeName),   String<C>("BGImage", &C::BGImage),
        String<C>("LeftMargin", &C::LeftMargin), Integer<C>("BGColor", &C::BGColor),
        Integer<C>("TextColor", &C::TextColor),  Integer<C>("LinkColor", &C::LinkColor),
        Integer<C>("ALinkColor", &C::ALinkColor), Integer<C>("VLinkColor", &C::VLinkColor),
    };
    return list;
}

void TWebTheme::SetItems(const TThemeCollection& items)
{
    items_.Clear();
    for (const auto& theme : items)
        items_.Add() = *theme;
}

const PropertyList& TWebTheme::PublishedProperties() const
{
    using C = TWebTheme;
    static const PropertyList list = WithComponentProperties({
        OwnedCollection<C>("Items", [](C& c) -> CollectionBase& { return c.Items(); }),
    });
    return list;
}

void ApplyTheme(const TThemeItem& theme, TPagePropertiesBlock& details)
{
    details.ThemeName = theme.ThemeName;
    details.Background = theme.BGImage;
    details.IndentMargin = theme.LeftMargin;
    details.BGColor = theme.BGColor;
    details.TextColor = theme.TextColor;
    details.LinkColor = theme.LinkColor;
    details.ALinkColor = theme.ALinkColor;
    details.VLinkColor = theme.VLinkColor;
}

ThemeStoreReadResult LoadThemeStore(const std::string& path)
{
    ThemeStoreReadResult result;
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        result.error = std::strerror(errno);
    } else {
        try {
            ClassRegistry registry;
            registry.Register<TWebTheme>();
            auto root = ReadComponentStream(bytes, registry);
            result.store.reset(static_cast<TWebTheme*>(root.release()));
        } catch (const StreamError& e) {
            result.error = e.what();
        }
    }
    if (!result.store)
        result.store = std::make_unique<TWebTheme>();
    return result;
}

ClassRegistry StreamFileClasses()
{
    ClassRegistry registry;
    registry.Register<TPagelette>();
    registry.Register<TWebTheme>();
    return registry;
}

bool SaveThemeStore(const std::string& path, TWebTheme& store)
{
    return WriteFileReplacing(path, WriteComponentStream(store));
}

} // namespace tarvin
