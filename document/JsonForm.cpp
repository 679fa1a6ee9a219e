#include "document/JsonForm.h"

#include "document/Collection.h"
#include "document/TextEncoding.h"
#include "document/TextUtil.h"

#include <limits>

namespace tarvin {

namespace {

OrderedJson TextToJson(const std::string& text)
{
    if (IsValidUtf8(text))
        return text;
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(text.size() * 2);
    for (unsigned char c : text) {
        hex.push_back(digits[c >> 4]);
        hex.push_back(digits[c & 15]);
    }
    return OrderedJson{{"hex", hex}};
}

std::string TextFromJson(const OrderedJson& value, const std::string& where)
{
    if (value.is_string())
        return value.get<std::string>();
    if (value.is_object() && value.size() == 1 && value.contains("hex") && value["hex"].is_string()) {
        const auto& hex = value["hex"].get_ref<const std::string&>();
        if (hex.size() % 2 == 0) {
            std::string bytes;
            bytes.reserve(hex.size() / 2);
            auto nibble = [](char c) -> int {
                if (c >= '0' && c <= '9') return c - '0';
                if (c >= 'a' && c <= 'f') return c - 'a' + 10;
                if (c >= 'A' && c <= 'F') return c - 'A' + 10;
                return -1;
            };
            bool ok = true;
            for (std::size_t i = 0; ok && i < hex.size(); i += 2) {
                const int hi = nibble(hex[i]), lo = nibble(hex[i + 1]);
                ok = hi >= 0 && lo >= 0;
                bytes.push_back(static_cast<char>(hi * 16 + lo));
            }
            if (ok)
                return bytes;
        }
    }
    throw JsonFormError(where + ": expected a text or {\"hex\": ...}");
}

OrderedJson PropertiesToJson(Persistent& object)
{
    OrderedJson out = OrderedJson::object();
    for (const Property& p : object.PublishedProperties()) {
        if (!p.streamed)
            continue;
        switch (p.kind) {
        case PropertyKind::Integer: out[p.name] = p.getOrdinal(object); break;
        case PropertyKind::Boolean: out[p.name] = p.getOrdinal(object) != 0; break;
        case PropertyKind::Enumeration:
            out[p.name] = p.identifiers->at(static_cast<std::size_t>(p.getOrdinal(object)));
            break;
        case PropertyKind::String: out[p.name] = TextToJson(p.getString(object)); break;
        case PropertyKind::StringList: {
            OrderedJson lines = OrderedJson::array();
            for (const auto& line : p.lines(object))
                lines.push_back(TextToJson(line));
            out[p.name] = std::move(lines);
            break;
        }
        case PropertyKind::Object: out[p.name] = PropertiesToJson(p.object(object)); break;
        case PropertyKind::Collection: {
            OrderedJson items = OrderedJson::array();
            CollectionBase& collection = p.collection(object);
            for (int i = 0; i < collection.Count(); ++i)
                items.push_back(PropertiesToJson(collection.ItemAt(i)));
            out[p.name] = std::move(items);
            break;
        }
        }
    }
    return out;
}

void PropertiesFromJson(Persistent& object, const OrderedJson& json, const std::string& where);

void PropertyFromJson(Persistent& object, const Property& p, const OrderedJson& value, const std::string& where)
{
    auto fail = [&](const char* expected) { throw JsonFormError(where + ": expected " + expected); };
    switch (p.kind) {
    case PropertyKind::Integer: {
        if (!value.is_number_integer())
            fail("an integer");
        // Non-negative numbers are kept unsigned; read as signed, the largest would wrap round.
        if (value.is_number_unsigned() &&
            value.get<std::uint64_t>() > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
            fail("a 32-bit integer");
        const auto v = value.get<std::int64_t>();
        if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
            fail("a 32-bit integer");
        p.setOrdinal(object, static_cast<std::int32_t>(v));
        return;
    }
    case PropertyKind::Boolean:
        if (!value.is_boolean())
            fail("true or false");
        p.setOrdinal(object, value.get<bool>() ? 1 : 0);
        return;
    case PropertyKind::Enumeration: {
        if (!value.is_string())
            fail("an identifier");
        const auto& ids = *p.identifiers;
        for (std::size_t i = 0; i < ids.size(); ++i) {
            if (SameText(ids[i], value.get_ref<const std::string&>())) {
                p.setOrdinal(object, static_cast<std::int32_t>(i));
                return;
            }
        }
        fail("one of its type's identifiers");
        return;
    }
    case PropertyKind::String:
        p.setString(object, TextFromJson(value, where));
        return;
    case PropertyKind::StringList: {
        if (!value.is_array())
            fail("an array of texts");
        StringLines lines;
        for (std::size_t i = 0; i < value.size(); ++i)
            lines.push_back(TextFromJson(value[i], where + "[" + std::to_string(i) + "]"));
        p.lines(object) = std::move(lines);
        return;
    }
    case PropertyKind::Object:
        PropertiesFromJson(p.object(object), value, where);
        return;
    case PropertyKind::Collection: {
        if (!value.is_array())
            fail("an array of objects");
        CollectionBase& collection = p.collection(object);
        collection.Clear();
        for (std::size_t i = 0; i < value.size(); ++i)
            PropertiesFromJson(collection.AddItem(), value[i], where + "[" + std::to_string(i) + "]");
        return;
    }
    }
}

void PropertiesFromJson(Persistent& object, const OrderedJson& json, const std::string& where)
{
    if (!json.is_object())
        throw JsonFormError(where + ": expected an object");
    for (const auto& [name, value] : json.items()) {
        const Property* p = FindProperty(object.PublishedProperties(), name);
        if (!p || !p->streamed)
            throw JsonFormError(where + "." + name + ": no such property");
        PropertyFromJson(object, *p, value, where + "." + name);
    }
}

} // namespace

OrderedJson ComponentToJson(Component& root)
{
    OrderedJson out;
    out["class"] = root.ClassName();
    out["name"] = TextToJson(root.Name);
    out["properties"] = PropertiesToJson(root);
    return out;
}

std::unique_ptr<Component> ComponentFromJson(const OrderedJson& json, const ClassRegistry& registry)
{
    if (!json.is_object() || !json.contains("class") || !json["class"].is_string())
        throw JsonFormError("expected an object with a \"class\"");
    const auto& className = json["class"].get_ref<const std::string&>();
    auto root = registry.Create(className);
    if (!root)
        throw JsonFormError("unknown class " + className);
    if (json.contains("name"))
        root->Name = TextFromJson(json["name"], "name");
    if (json.contains("properties"))
        PropertiesFromJson(*root, json["properties"], "properties");
    return root;
}

} // namespace tarvin
