#pragma once
// Published-property reflection: every stored class lists its published
// properties in order, and the component stream and the JSON form are written
// and read through that list alone, so the list and its order are part of the
// file formats.

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace tarvin {

class Persistent;
class CollectionBase;

enum class PropertyKind { Integer, Boolean, Enumeration, String, StringList, Object, Collection };

using StringLines = std::vector<std::string>;

struct Property {
    std::string name;
    PropertyKind kind = PropertyKind::Integer;
    // Enumeration identifiers in ordinal order; Booleans use {"False", "True"}.
    const std::vector<std::string>* identifiers = nullptr;
    // An integer equal to its default is not written (only Tag has one).
    std::optional<std::int32_t> defaultValue;
    // The values an integer property's field holds (ApplyFont is one byte).
    std::int32_t minimum = std::numeric_limits<std::int32_t>::min();
    std::int32_t maximum = std::numeric_limits<std::int32_t>::max();
    // False for a property kept elsewhere in the stream (the root's Name).
    bool streamed = true;

    // Integer, Boolean (0/1) and enumeration (ordinal) access.
    std::function<std::int32_t(const Persistent&)> getOrdinal;
    std::function<void(Persistent&, std::int32_t)> setOrdinal;
    // String access.
    std::function<const std::string&(const Persistent&)> getString;
    std::function<void(Persistent&, std::string)> setString;
    // String-list, owned-object and collection access; object reads may create
    // the object on first use.
    std::function<StringLines&(Persistent&)> lines;
    std::function<Persistent&(Persistent&)> object;
    std::function<CollectionBase&(Persistent&)> collection;
};

using PropertyList = std::vector<Property>;

class Persistent {
public:
    virtual ~Persistent() = default;
    virtual const PropertyList& PublishedProperties() const = 0;
};

// Finds a published property by name without regard to ASCII letter case.
const Property* FindProperty(const PropertyList& properties, std::string_view name);

const std::vector<std::string>& BooleanIdentifiers();

// Builders used by the classes' property tables.
namespace published {

template <class C, class T>
Property Integer(std::string name, T C::*field, std::optional<std::int32_t> defaultValue = std::nullopt)
{
    Property p;
    p.name = std::move(name);
    p.kind = PropertyKind::Integer;
    p.defaultValue = defaultValue;
    static_assert(std::numeric_limits<T>::min() >= std::numeric_limits<std::int32_t>::min() &&
                  std::numeric_limits<T>::max() <= std::numeric_limits<std::int32_t>::max());
    p.minimum = std::numeric_limits<T>::min();
    p.maximum = std::numeric_limits<T>::max();
    p.getOrdinal = [field](const Persistent& o) { return static_cast<std::int32_t>(static_cast<const C&>(o).*field); };
    p.setOrdinal = [field](Persistent& o, std::int32_t v) { static_cast<C&>(o).*field = static_cast<T>(v); };
    return p;
}

template <class C>
Property Boolean(std::string name, bool C::*field)
{
    Property p;
    p.name = std::move(name);
    p.kind = PropertyKind::Boolean;
    p.identifiers = &BooleanIdentifiers();
    p.getOrdinal = [field](const Persistent& o) { return static_cast<const C&>(o).*field ? 1 : 0; };
    p.setOrdinal = [field](Persistent& o, std::int32_t v) { static_cast<C&>(o).*field = v != 0; };
    return p;
}

template <class C, class E>
Property Enumeration(std::string name, E C::*field, const std::vector<std::string>& identifiers)
{
    Property p;
    p.name = std::move(name);
    p.kind = PropertyKind::Enumeration;
    p.identifiers = &identifiers;
    p.getOrdinal = [field](const Persistent& o) { return static_cast<std::int32_t>(static_cast<const C&>(o).*field); };
    p.setOrdinal = [field](Persistent& o, std::int32_t v) { static_cast<C&>(o).*field = static_cast<E>(v); };
    return p;
}

template <class C>
Property String(std::string name, std::string C::*field)
{
    Property p;
    p.name = std::move(name);
    p.kind = PropertyKind::String;
    p.getString = [field](const Persistent& o) -> const std::string& { return static_cast<const C&>(o).*field; };
    p.setString = [field](Persistent& o, std::string v) { static_cast<C&>(o).*field = std::move(v); };
    return p;
}

template <class C>
Property Lines(std::string name, StringLines C::*field)
{
    Property p;
    p.name = std::move(name);
    p.kind = PropertyKind::StringList;
    p.lines = [field](Persistent& o) -> StringLines& { return static_cast<C&>(o).*field; };
    return p;
}

// getter: C& -> the owned object (created on first read where the class says so).
template <class C, class Getter>
Property Object(std::string name, Getter getter)
{
    Property p;
    p.name = std::move(name);
    p.kind = PropertyKind::Object;
    p.object = [getter](Persistent& o) -> Persistent& { return getter(static_cast<C&>(o)); };
    return p;
}

template <class C, class Getter>
Property OwnedCollection(std::string name, Getter getter)
{
    Property p;
    p.name = std::move(name);
    p.kind = PropertyKind::Collection;
    p.collection = [getter](Persistent& o) -> CollectionBase& { return getter(static_cast<C&>(o)); };
    return p;
}

} // namespace published
} // namespace tarvin
