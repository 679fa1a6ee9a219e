#pragma once
// A root object of a component stream: it has a class name, a component name
// kept in the stream's header, and a Tag.

#include "document/Persistent.h"

#include <string>

namespace tarvin {

class Component : public Persistent {
public:
    std::string Name;
    std::int32_t Tag = 0;

    virtual std::string ClassName() const = 0;

protected:
    // Name (kept in the header, never a record) and Tag, ahead of a class's own properties.
    static PropertyList WithComponentProperties(PropertyList own)
    {
        Property name = published::String<Component>("Name", &Component::Name);
        name.streamed = false;
        PropertyList all{std::move(name), published::Integer<Component>("Tag", &Component::Tag, 0)};
        for (auto& p : own)
            all.push_back(std::move(p));
        return all;
    }
};

} // namespace tarvin
