#include "document/ComponentStream.h"

#include "document/Collection.h"
#include "document/TextUtil.h"

#include <algorithm>

namespace tarvin {

namespace {

// ---- Writing ---------------------------------------------------------------

class StreamWriter {
public:
    std::string bytes;

    void Byte(std::uint8_t b) { bytes.push_back(static_cast<char>(b)); }
    void Tag(ValueTag tag) { Byte(static_cast<std::uint8_t>(tag)); }

    template <class T>
    void LittleEndian(T value)
    {
        std::uint64_t u = static_cast<std::make_unsigned_t<T>>(value);  // wide enough to shift by 8
        for (std::size_t i = 0; i < sizeof(T); ++i, u >>= 8)
            Byte(static_cast<std::uint8_t>(u & 0xFF));
    }

    // Names longer than 255 bytes are cut.
    void ShortString(std::string_view s) { Name("", s); }

    // A record name made of an owner's prefix and a property name.
    void Name(std::string_view prefix, std::string_view name)
    {
        const std::size_t size = std::min<std::size_t>(prefix.size() + name.size(), 255);
        Byte(static_cast<std::uint8_t>(size));
        bytes.append(prefix.substr(0, size));
        bytes.append(name.substr(0, size - std::min(size, prefix.size())));
    }

    void Integer(std::int32_t v)
    {
        if (v >= -128 && v <= 127) {
            Tag(ValueTag::Int8);
            LittleEndian(static_cast<std::int8_t>(v));
        } else if (v >= -32768 && v <= 32767) {
            Tag(ValueTag::Int16);
            LittleEndian(static_cast<std::int16_t>(v));
        } else {
            Tag(ValueTag::Int32);
            LittleEndian(v);
        }
    }

    void String(std::string_view s)
    {
        if (s.size() < 256) {
            Tag(ValueTag::String);
            ShortString(s);
        } else {
            Tag(ValueTag::LString);
            LittleEndian(static_cast<std::uint32_t>(s.size()));
            bytes.append(s);
        }
    }

    void Properties(Persistent& object, const std::string& prefix)
    {
        for (const Property& p : object.PublishedProperties())
            if (p.streamed)
                WriteProperty(object, p, prefix);
    }

private:
    void WriteProperty(Persistent& object, const Property& p, const std::string& prefix)
    {
        switch (p.kind) {
        case PropertyKind::Integer: {
            const auto v = p.getOrdinal(object);
            if (p.defaultValue && *p.defaultValue == v)
                return;
            Name(prefix, p.name);
            Integer(v);
            return;
        }
        case PropertyKind::Boolean:
            Name(prefix, p.name);
            Tag(p.getOrdinal(object) ? ValueTag::True : ValueTag::False);
            return;
        case PropertyKind::Enumeration:
            Name(prefix, p.name);
            Tag(ValueTag::Ident);
            ShortString(p.identifiers->at(static_cast<std::size_t>(p.getOrdinal(object))));
            return;
        case PropertyKind::String: {
            const std::string& v = p.getString(object);
            if (v.empty())
                return;
            Name(prefix, p.name);
            String(v);
            return;
        }
        case PropertyKind::StringList: {
            const StringLines& lines = p.lines(object);
            if (lines.empty())
                return;
            Name(prefix, p.name + ".Strings");
            Tag(ValueTag::List);
            for (const auto& line : lines)
                String(line);
            Tag(ValueTag::Null);
            return;
        }
        case PropertyKind::Object:
            Properties(p.object(object), prefix + p.name + ".");
            return;
        case PropertyKind::Collection: {
            CollectionBase& items = p.collection(object);
            Name(prefix, p.name);
            Tag(ValueTag::Collection);
            for (int i = 0; i < items.Count(); ++i) {
                Tag(ValueTag::List);
                Properties(items.ItemAt(i), "");
                Tag(ValueTag::Null);
            }
            Tag(ValueTag::Null);
            return;
        }
        }
    }
};

// ---- Reading ---------------------------------------------------------------

class StreamReader {
public:
    explicit StreamReader(std::string_view data) : data_(data) {}

    std::unique_ptr<Component> Root(const ClassRegistry& registry)
    {
        if (Bytes(StreamSignature.size()) != StreamSignature)
            throw StreamError("Invalid stream format");
        SkipFlagPrefix();
        const std::string className(ShortString());
        auto root = registry.Create(className);
        if (!root)
            throw StreamError("Class " + className + " not found");
        root->Name = std::string(ShortString());
        PropertiesUntilEnd(*root);
        if (Byte() != 0)
            throw StreamError("Unexpected child component");
        return root;
    }

private:
    std::uint8_t Byte()
    {
        if (pos_ >= data_.size())
            throw StreamError("Stream read error");
        return static_cast<std::uint8_t>(data_[pos_++]);
    }

    std::uint8_t PeekByte() const
    {
        if (pos_ >= data_.size())
            throw StreamError("Stream read error");
        return static_cast<std::uint8_t>(data_[pos_]);
    }

    // Lengths are checked against what is left, so a bad length never allocates.
    std::string_view Bytes(std::size_t count)
    {
        if (count > data_.size() - pos_)
            throw StreamError("Stream read error");
        const auto view = data_.substr(pos_, count);
        pos_ += count;
        return view;
    }

    template <class T>
    T LittleEndian()
    {
        const auto raw = Bytes(sizeof(T));
        std::make_unsigned_t<T> u = 0;
        for (std::size_t i = sizeof(T); i-- > 0;)
            u = static_cast<std::make_unsigned_t<T>>((u << 8) | static_cast<std::uint8_t>(raw[i]));
        return static_cast<T>(u);
    }

    std::string_view ShortString() { return Bytes(Byte()); }

    ValueTag Tag() { return static_cast<ValueTag>(Byte()); }

    std::int32_t IntegerAfter(ValueTag tag)
    {
        switch (tag) {
        case ValueTag::Int8: return LittleEndian<std::int8_t>();
        case ValueTag::Int16: return LittleEndian<std::int16_t>();
        case ValueTag::Int32: return LittleEndian<std::int32_t>();
        default: throw StreamError("Invalid property value");
        }
    }

    static bool IsIntegerTag(std::uint8_t b) { return b >= 0x02 && b <= 0x04; }

    // A first byte with high nibble F carries flags; bit 1 means a child position follows.
    void SkipFlagPrefix()
    {
        if ((PeekByte() & 0xF0) != 0xF0)
            return;
        if (Byte() & 0x02)
            IntegerAfter(Tag());
    }

    std::string StringValue()
    {
        switch (Tag()) {
        case ValueTag::String: return std::string(ShortString());
        case ValueTag::LString: return std::string(Bytes(LittleEndian<std::uint32_t>()));
        default: throw StreamError("Invalid property value");
        }
    }

    std::string_view IdentifierValue()
    {
        switch (Tag()) {
        case ValueTag::Ident: return ShortString();
        case ValueTag::False: return "False";
        case ValueTag::True: return "True";
        case ValueTag::Null: return "Null";
        case ValueTag::Nil: return "nil";
        default: throw StreamError("Invalid property value");
        }
    }

    void PropertiesUntilEnd(Persistent& object)
    {
        while (PeekByte() != 0)
            PropertyRecord(object);
        ++pos_;
    }

    // A record's name may run through owned objects: "HeadingBlock.Heading",
    // "Strings.Strings". Names match without regard to letter case.
    void PropertyRecord(Persistent& object)
    {
        std::string_view name = ShortString();
        Persistent* current = &object;
        for (std::size_t dot; (dot = name.find('.')) != std::string_view::npos; name.remove_prefix(dot + 1)) {
            const Property* p = Find(*current, name.substr(0, dot));
            if (p->kind == PropertyKind::StringList) {
                // A string list's one defined property.
                if (!SameText(name.substr(dot + 1), "Strings"))
                    throw StreamError("Property " + std::string(name) + " does not exist");
                StringListValue(p->lines(*current));
                return;
            }
            if (p->kind != PropertyKind::Object)
                throw StreamError("Invalid property path");
            current = &p->object(*current);
        }
        Value(*current, *Find(*current, name));
    }

    static const Property* Find(const Persistent& object, std::string_view name)
    {
        // The root's Name lives in the header, never in a record.
        const Property* p = FindProperty(object.PublishedProperties(), name);
        if (!p || !p->streamed)
            throw StreamError("Property " + std::string(name) + " does not exist");
        return p;
    }

    void Value(Persistent& object, const Property& p)
    {
        switch (p.kind) {
        case PropertyKind::Integer:
            p.setOrdinal(object, IntegerAfter(Tag()));
            return;
        case PropertyKind::Boolean:
        case PropertyKind::Enumeration: {
            const auto identifier = IdentifierValue();
            const auto& ids = *p.identifiers;
            for (std::size_t i = 0; i < ids.size(); ++i) {
                if (SameText(ids[i], identifier)) {
                    p.setOrdinal(object, static_cast<std::int32_t>(i));
                    return;
                }
            }
            throw StreamError("Invalid property value");
        }
        case PropertyKind::String:
            p.setString(object, StringValue());
            return;
        case PropertyKind::Collection:
            CollectionValue(p.collection(object));
            return;
        case PropertyKind::StringList:
        case PropertyKind::Object:
            throw StreamError("Invalid property value");
        }
    }

    void CollectionValue(CollectionBase& items)
    {
        if (Tag() != ValueTag::Collection)
            throw StreamError("Invalid property value");
        items.Clear();
        while (PeekByte() != 0) {
            if (IsIntegerTag(PeekByte()))
                IntegerAfter(Tag());  // an item position some writers put first
            if (Tag() != ValueTag::List)
                throw StreamError("Invalid property value");
            PropertiesUntilEnd(items.AddItem());
        }
        ++pos_;
    }

    void StringListValue(StringLines& lines)
    {
        if (Tag() != ValueTag::List)
            throw StreamError("Invalid property value");
        lines.clear();
        while (PeekByte() != 0)
            lines.push_back(StringValue());
        ++pos_;
    }

    std::string_view data_;
    std::size_t pos_ = 0;
};

} // namespace

std::string WriteComponentStream(Component& root)
{
    StreamWriter w;
    w.bytes.append(StreamSignature);
    w.ShortString(root.ClassName());
    w.ShortString(root.Name);
    w.Properties(root, "");
    w.Byte(0);  // end of the root's properties
    w.Byte(0);  // no children
    return std::move(w.bytes);
}

std::unique_ptr<Component> ReadComponentStream(std::string_view bytes, const ClassRegistry& registry)
{
    return StreamReader(bytes).Root(registry);
}

} // namespace tarvin
