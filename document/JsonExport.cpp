#include "document/JsonForm.h"

#include "document/Collection.h"
#include "document/TextEncoding.h"

#include <ostream>
#include <vector>

namespace tarvin {

namespace {

// Writes JSON laid out as nlohmann::json's dump(2) lays it out, so exported
// files read the same as before the export streamed.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void Root(Component& root)
    {
        Open('{');
        Member("class");
        String(root.ClassName());
        Member("name");
        Text(root.Name);
        Member("properties");
        Properties(root);
        Close('}');
        out_ << '\n';
    }

private:
    void Properties(Persistent& object)
    {
        Open('{');
        for (const Property& p : object.PublishedProperties()) {
            if (!p.streamed)
                continue;
            Member(p.name);
            Value(object, p);
        }
        Close('}');
    }

    void Value(Persistent& object, const Property& p)
    {
        switch (p.kind) {
        case PropertyKind::Integer: out_ << p.getOrdinal(object); return;
        case PropertyKind::Boolean: out_ << (p.getOrdinal(object) != 0 ? "true" : "false"); return;
        case PropertyKind::Enumeration:
            String(p.identifiers->at(static_cast<std::size_t>(p.getOrdinal(object))));
            return;
        case PropertyKind::String: Text(p.getString(object)); return;
        case PropertyKind::StringList:
            Open('[');
            for (const std::string& line : p.lines(object)) {
                Element();
                Text(line);
            }
            Close(']');
            return;
        case PropertyKind::Object: Properties(p.object(object)); return;
        case PropertyKind::Collection: {
            CollectionBase& items = p.collection(object);
            Open('[');
            // A failed output (a full disk, a closed pipe) ends the walk.
            for (int i = 0; i < items.Count() && out_; ++i) {
                Element();
                Properties(items.ItemAt(i));
            }
            Close(']');
            return;
        }
        }
    }

    void Text(const std::string& text)
    {
        if (IsValidUtf8(text)) {
            String(text);
            return;
        }
        static constexpr char digits[] = "0123456789abcdef";
        Open('{');
        Member("hex");
        out_ << '"';
        for (const char c : text) {
            const auto b = static_cast<unsigned char>(c);
            out_ << digits[b >> 4] << digits[b & 15];
        }
        out_ << '"';
        Close('}');
    }

    // Valid UTF-8 goes through as it is; quotes, backslashes and control
    // characters are escaped.
    void String(std::string_view text)
    {
        static constexpr char digits[] = "0123456789abcdef";
        out_ << '"';
        std::size_t plain = 0;  // start of the run not yet written
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            if (c >= 0x20 && c != '"' && c != '\\')
                continue;
            out_.write(text.data() + plain, static_cast<std::streamsize>(i - plain));
            plain = i + 1;
            switch (c) {
            case '"': out_ << "\\\""; break;
            case '\\': out_ << "\\\\"; break;
            case '\b': out_ << "\\b"; break;
            case '\f': out_ << "\\f"; break;
            case '\n': out_ << "\\n"; break;
            case '\r': out_ << "\\r"; break;
            case '\t': out_ << "\\t"; break;
            default: out_ << "\\u00" << digits[c >> 4] << digits[c & 15];
            }
        }
        out_.write(text.data() + plain, static_cast<std::streamsize>(text.size() - plain));
        out_ << '"';
    }

    void Open(char bracket)
    {
        out_ << bracket;
        hasMembers_.push_back(false);
    }

    void Close(char bracket)
    {
        const bool any = hasMembers_.back();
        hasMembers_.pop_back();
        if (any)
            NewLine();
        out_ << bracket;
    }

    void Element()
    {
        if (hasMembers_.back())
            out_ << ',';
        hasMembers_.back() = true;
        NewLine();
    }

    void Member(std::string_view name)
    {
        Element();
        String(name);
        out_ << ": ";
    }

    void NewLine()
    {
        out_ << '\n';
        for (std::size_t i = 0; i < hasMembers_.size(); ++i)
            out_.write("  ", 2);
    }

    std::ostream& out_;
    std::vector<bool> hasMembers_;  // one per open container
};

} // namespace

void WriteComponentJson(Component& root, std::ostream& out)
{
    JsonWriter(out).Root(root);
}

} // namespace tarvin
