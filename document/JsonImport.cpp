#include "document/JsonForm.h"

#include "document/Collection.h"
#include "document/TextUtil.h"

#include <nlohmann/json.hpp>

#include <istream>
#include <limits>
#include <optional>
#include <vector>

namespace tarvin {

namespace {

using Json = nlohmann::json;

// Builds the model from the parser's events as they come. Every value must
// be what the model expects at its place, so nothing is kept but the model
// and the short stack of open containers.
class ComponentBuilder {
public:
    explicit ComponentBuilder(const ClassRegistry& registry) : registry_(registry) {}

    std::unique_ptr<Component> Result()
    {
        if (!root_)
            throw JsonFormError("expected an object with a \"class\"");
        if (name_)
            root_->Name = std::move(*name_);
        return std::move(root_);
    }

    // The parser's events.
    bool null() { return recording_ ? Record({Event::Null}) : Fail(); }
    bool number_float(Json::number_float_t, const std::string&) { return recording_ ? Record({Event::Float}) : Fail(); }
    bool binary(Json::binary_t&) { return Fail(); }

    bool boolean(bool value)
    {
        if (recording_)
            return Record({Event::Boolean, value ? 1 : 0});
        const Slot slot = Next();
        if (!slot.property || slot.property->kind != PropertyKind::Boolean)
            return Fail();
        slot.property->setOrdinal(*slot.owner, value ? 1 : 0);
        return Done();
    }

    bool number_integer(Json::number_integer_t value)
    {
        return recording_ ? Record({Event::Integer, value}) : Integer(value);
    }

    bool number_unsigned(Json::number_unsigned_t value)
    {
        // Beyond the signed range is beyond every property's range.
        return number_integer(value > static_cast<Json::number_unsigned_t>(std::numeric_limits<std::int64_t>::max())
                                  ? std::numeric_limits<std::int64_t>::max()
                                  : static_cast<std::int64_t>(value));
    }

    bool string(std::string& value)
    {
        if (recording_)
            return Record({Event::String, 0, std::move(value)});
        const Slot slot = Next();
        switch (slot.kind) {
        case SlotKind::Class: return CreateRoot(value);
        case SlotKind::HexDigits: return Hex(value);
        case SlotKind::Name:
        case SlotKind::Line: return Deliver(slot, std::move(value));
        case SlotKind::Property:
            if (slot.property->kind == PropertyKind::String)
                return Deliver(slot, std::move(value));
            if (slot.property->kind == PropertyKind::Enumeration)
                return Identifier(slot, value);
            break;
        default: break;
        }
        return Fail();
    }

    bool start_object(std::size_t)
    {
        if (recording_)
            return Record({Event::StartObject});
        if (stack_.empty())
            return Push(FrameKind::Root, "", {});
        const Slot slot = Next();
        switch (slot.kind) {
        case SlotKind::Properties:
            if (!root_) {
                // Which properties there are depends on the class: keep
                // the events until it comes.
                recording_ = true;
                return Record({Event::StartObject});
            }
            return Push(FrameKind::Object, "properties", {}, root_.get());
        case SlotKind::Item: {
            Frame& items = stack_.back();
            return Push(FrameKind::Object, Label(items), {}, &items.collection->AddItem());
        }
        case SlotKind::Name:
        case SlotKind::Line: return Push(FrameKind::Hex, Label(stack_.back()), slot);
        case SlotKind::Property:
            if (slot.property->kind == PropertyKind::Object)
                return Push(FrameKind::Object, Label(stack_.back()), {}, &slot.property->object(*slot.owner));
            if (slot.property->kind == PropertyKind::String)
                return Push(FrameKind::Hex, Label(stack_.back()), slot);
            break;
        default: break;
        }
        return Fail();
    }

    bool key(std::string& name)
    {
        if (recording_)
            return Record({Event::Key, 0, std::move(name)});
        Frame& top = stack_.back();
        top.key = name;
        switch (top.kind) {
        case FrameKind::Root:
            if (name == "class" || name == "name" || name == "properties")
                return true;
            throw JsonFormError(name + ": expected \"class\", \"name\" or \"properties\"");
        case FrameKind::Object:
            top.property = FindProperty(top.object->PublishedProperties(), name);
            if (!top.property || !top.property->streamed)
                throw JsonFormError(Path() + ": no such property");
            return true;
        case FrameKind::Hex:
            if (name == "hex")
                return true;
            throw JsonFormError(Path() + ": expected a text or {\"hex\": ...}");
        case FrameKind::Lines:
        case FrameKind::Items: break;
        }
        return Fail();
    }

    bool end_object()
    {
        if (recording_)
            return Record({Event::EndObject});
        if (stack_.back().kind == FrameKind::Hex && !stack_.back().hexRead)
            throw JsonFormError(ParentPath() + ": expected a text or {\"hex\": ...}");
        stack_.pop_back();
        return stack_.empty() || Done();
    }

    bool start_array(std::size_t)
    {
        if (recording_)
            return Record({Event::StartArray});
        const Slot slot = Next();
        if (slot.kind != SlotKind::Property)
            return Fail();
        Frame frame{FrameKind::Lines, Label(stack_.back())};
        if (slot.property->kind == PropertyKind::StringList) {
            frame.lines = &slot.property->lines(*slot.owner);
            frame.lines->clear();
        } else if (slot.property->kind == PropertyKind::Collection) {
            frame.kind = FrameKind::Items;
            frame.collection = &slot.property->collection(*slot.owner);
            frame.collection->Clear();
        } else {
            return Fail();
        }
        return Push(std::move(frame));
    }

    bool end_array()
    {
        if (recording_)
            return Record({Event::EndArray});
        stack_.pop_back();
        return Done();
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error)
    {
        throw JsonFormError(std::string("not valid JSON (") + error.what() + ")");
    }

private:
    // A parser event kept while "properties" comes before "class".
    struct Event {
        enum Kind { Null, Boolean, Integer, Float, String, Key, StartObject, EndObject, StartArray, EndArray } kind;
        std::int64_t number = 0;
        std::string text{};
    };

    // The form nests a handful of levels below "properties"; kept events
    // nest no deeper than that, so even unplaced input stays bounded.
    static constexpr int MaxKeptNesting = 16;

    bool Record(Event event)
    {
        if (event.kind == Event::StartObject || event.kind == Event::StartArray) {
            if (++keptNesting_ > MaxKeptNesting)
                throw JsonFormError("properties: nested deeper than " + std::to_string(MaxKeptNesting) + " levels");
        } else if (event.kind == Event::EndObject || event.kind == Event::EndArray) {
            recording_ = --keptNesting_ > 0;
        }
        kept_.push_back(std::move(event));
        return true;
    }

    // Reads the kept "properties" now that the class is known.
    void Replay()
    {
        std::vector<Event> events = std::move(kept_);
        kept_.clear();
        if (events.empty())
            return;
        stack_.front().key = "properties";
        for (Event& event : events) {
            switch (event.kind) {
            case Event::Null: null(); break;
            case Event::Boolean: boolean(event.number != 0); break;
            case Event::Integer: number_integer(event.number); break;
            case Event::Float: Fail(); break;
            case Event::String: string(event.text); break;
            case Event::Key: key(event.text); break;
            case Event::StartObject: start_object(0); break;
            case Event::EndObject: end_object(); break;
            case Event::StartArray: start_array(0); break;
            case Event::EndArray: end_array(); break;
            }
        }
        stack_.front().key = "class";
    }

    enum class FrameKind { Root, Object, Hex, Lines, Items };
    // What the next value is for.
    enum class SlotKind { None, Class, Name, Properties, Property, Line, Item, HexDigits };

    struct Slot {
        SlotKind kind = SlotKind::None;
        Persistent* owner = nullptr;
        const Property* property = nullptr;
        StringLines* lines = nullptr;
    };

    struct Frame {
        FrameKind kind;
        std::string label;  // this container's place, for messages: "properties", ".Page", "[3]"
        Persistent* object = nullptr;          // Object: whose properties follow
        const Property* property = nullptr;    // Object: the property of the last key
        StringLines* lines = nullptr;          // Lines
        CollectionBase* collection = nullptr;  // Items
        Slot text{};                           // Hex: where the decoded text goes
        std::string key{};                     // the last key read
        int count = 0;                         // Lines, Items: elements read so far
        bool hexRead = false;
    };

    bool Push(FrameKind kind, std::string label, Slot text, Persistent* object = nullptr)
    {
        Frame frame{kind, std::move(label)};
        frame.text = text;
        frame.object = object;
        return Push(std::move(frame));
    }

    bool Push(Frame frame)
    {
        stack_.push_back(std::move(frame));
        return true;
    }

    // The place of the value about to be read: the last key's or the open array's next element.
    Slot Next() const
    {
        if (stack_.empty())
            return {};
        const Frame& top = stack_.back();
        switch (top.kind) {
        case FrameKind::Root:
            if (top.key == "class") return {SlotKind::Class};
            return {top.key == "name" ? SlotKind::Name : SlotKind::Properties};
        case FrameKind::Object: return {SlotKind::Property, top.object, top.property};
        case FrameKind::Hex: return {SlotKind::HexDigits};
        case FrameKind::Lines: return {SlotKind::Line, nullptr, nullptr, top.lines};
        case FrameKind::Items: return {SlotKind::Item};
        }
        return {};
    }

    // A value is complete: an open array moves on to its next element.
    bool Done()
    {
        Frame& top = stack_.back();
        if (top.kind == FrameKind::Lines || top.kind == FrameKind::Items)
            ++top.count;
        return true;
    }

    // How the value about to be read is labelled in a path.
    static std::string Label(const Frame& frame)
    {
        switch (frame.kind) {
        case FrameKind::Lines:
        case FrameKind::Items: return "[" + std::to_string(frame.count) + "]";
        case FrameKind::Root: return frame.key;
        default: return "." + frame.key;
        }
    }

    std::string ParentPath() const
    {
        std::string path;
        for (const Frame& frame : stack_)
            path += frame.label;
        return path;
    }

    std::string Path() const { return ParentPath() + Label(stack_.back()); }

    bool CreateRoot(const std::string& className)
    {
        if (root_)
            throw JsonFormError("class: given twice");
        root_ = registry_.Create(className);
        if (!root_)
            throw JsonFormError("class: unknown class " + className);
        Replay();
        return Done();
    }

    bool Deliver(const Slot& slot, std::string text)
    {
        if (slot.kind == SlotKind::Name)
            name_ = std::move(text);
        else if (slot.kind == SlotKind::Line)
            slot.lines->push_back(std::move(text));
        else
            slot.property->setString(*slot.owner, std::move(text));
        return Done();
    }

    bool Hex(const std::string& hex)
    {
        auto nibble = [](char c) -> int {
            if (c >= '0' && c <= '9') return c - '0';
            if (c >= 'a' && c <= 'f') return c - 'a' + 10;
            if (c >= 'A' && c <= 'F') return c - 'A' + 10;
            return -1;
        };
        std::string bytes;
        bytes.reserve(hex.size() / 2);
        for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
            const int high = nibble(hex[i]), low = nibble(hex[i + 1]);
            if (high < 0 || low < 0)
                break;
            bytes.push_back(static_cast<char>(high * 16 + low));
        }
        if (bytes.size() * 2 != hex.size())
            throw JsonFormError(ParentPath() + ": expected a text or {\"hex\": ...}");
        Frame& top = stack_.back();
        top.hexRead = true;
        const Slot target = top.text;
        // The text belongs to the place that opened the hex object.
        Deliver(target, std::move(bytes));
        return true;
    }

    bool Identifier(const Slot& slot, const std::string& value)
    {
        const auto& ids = *slot.property->identifiers;
        for (std::size_t i = 0; i < ids.size(); ++i) {
            if (SameText(ids[i], value)) {
                slot.property->setOrdinal(*slot.owner, static_cast<std::int32_t>(i));
                return Done();
            }
        }
        throw JsonFormError(Path() + ": expected one of its type's identifiers");
    }

    bool Integer(std::int64_t value)
    {
        const Slot slot = Next();
        if (!slot.property || slot.property->kind != PropertyKind::Integer)
            return Fail();
        const Property& p = *slot.property;
        if (value < p.minimum || value > p.maximum)
            throw JsonFormError(Path() + ": expected an integer from " + std::to_string(p.minimum) + " to " +
                                std::to_string(p.maximum));
        p.setOrdinal(*slot.owner, static_cast<std::int32_t>(value));
        return Done();
    }

    // A value the place does not take: says what it takes.
    [[noreturn]] bool Fail() const
    {
        if (stack_.empty())
            throw JsonFormError("expected an object with a \"class\"");
        const Slot slot = Next();
        throw JsonFormError(Path() + ": expected " + Expected(slot));
    }

    static std::string Expected(const Slot& slot)
    {
        switch (slot.kind) {
        case SlotKind::Class: return "a class name";
        case SlotKind::Properties:
        case SlotKind::Item: return "an object";
        case SlotKind::Name:
        case SlotKind::Line:
        case SlotKind::HexDigits: return "a text or {\"hex\": ...}";
        case SlotKind::None: break;
        case SlotKind::Property:
            switch (slot.property->kind) {
            case PropertyKind::Integer: return "an integer";
            case PropertyKind::Boolean: return "true or false";
            case PropertyKind::Enumeration: return "an identifier";
            case PropertyKind::String: return "a text or {\"hex\": ...}";
            case PropertyKind::StringList: return "an array of texts";
            case PropertyKind::Object: return "an object";
            case PropertyKind::Collection: return "an array of objects";
            }
        }
        return "something else";
    }

    const ClassRegistry& registry_;
    std::unique_ptr<Component> root_;
    std::optional<std::string> name_;  // may come before the class
    std::vector<Frame> stack_;
    std::vector<Event> kept_;
    bool recording_ = false;
    int keptNesting_ = 0;
};

template <class Input>
std::unique_ptr<Component> Build(Input&& input, const ClassRegistry& registry)
{
    ComponentBuilder builder(registry);
    Json::sax_parse(std::forward<Input>(input), &builder);
    return builder.Result();
}

} // namespace

std::unique_ptr<Component> ReadComponentJson(std::istream& in, const ClassRegistry& registry)
{
    return Build(in, registry);
}

std::unique_ptr<Component> ReadComponentJson(std::string_view text, const ClassRegistry& registry)
{
    return Build(text, registry);
}

} // namespace tarvin
