#pragma once
// The font, meta tag and bookmark dialog faces answered from queues.

#include "editor/MiscDialogs.h"
#include "support/ScriptedQueue.h"

#include <gtest/gtest.h>

#include <deque>

namespace tarvin::testing {

class ScriptedMisc : public MiscDialogs {
public:
    // std::nullopt stands for Cancel.
    std::deque<std::optional<std::pair<QFont, TColor>>> fonts;
    std::deque<std::optional<MetaTag>> metaTags;
    std::deque<std::optional<QString>> bookmarks;
    std::vector<MetaTag> editedFrom;  // the starting values of each Edit

    bool ChooseFont(QFont& font, TColor& color) override
    {
        const auto answer = Next(fonts);
        if (!answer)
            return false;
        font = answer->first;
        color = answer->second;
        return true;
    }
    std::optional<MetaTag> AddMetaTag() override { return Next(metaTags); }
    std::optional<MetaTag> EditMetaTag(const MetaTag& tag) override
    {
        editedFrom.push_back(tag);
        return Next(metaTags);
    }
    std::optional<QString> PickBookmark() override { return Next(bookmarks); }

private:
    template <class T>
    static std::optional<T> Next(std::deque<std::optional<T>>& queue)
    {
        if (queue.empty()) {
            ADD_FAILURE() << "unscripted dialog";
            return std::nullopt;
        }
        return TakeFront(queue);
    }
};

} // namespace tarvin::testing
