#include "generator/PageHtml.h"

#include "document/Collection.h"
#include "document/TextUtil.h"

namespace tarvin {

std::string LineList::Text() const
{
    return JoinLines(entries_);
}

void LineList::SetText(std::string_view text)
{
    entries_ = SplitLines(text);
}

void LineList::AppendText(std::string_view text)
{
    for (std::string& line : SplitLines(text))
        entries_.push_back(std::move(line));
}

const std::string& LineList::operator[](int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(index);
    return entries_[static_cast<std::size_t>(index)];
}

} // namespace tarvin
