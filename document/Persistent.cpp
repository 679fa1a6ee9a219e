#include "document/Persistent.h"

#include "document/Collection.h"
#include "document/TextUtil.h"

namespace tarvin {

EListError::EListError(long index)
    : std::out_of_range("List index out of bounds (" + std::to_string(index) + ")")
{
}

const Property* FindProperty(const PropertyList& properties, std::string_view name)
{
    // Files written by the program spell names exactly; try that first.
    for (const Property& p : properties)
        if (p.name == name)
            return &p;
    for (const Property& p : properties)
        if (SameText(p.name, name))
            return &p;
    return nullptr;
}

const std::vector<std::string>& BooleanIdentifiers()
{
    static const std::vector<std::string> identifiers{"False", "True"};
    return identifiers;
}

} // namespace tarvin
