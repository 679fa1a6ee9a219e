#pragma once
// The binary component stream that keeps page documents, templates and the
// theme store: a signature, the root's class and component names, then its
// published properties as named, tagged values.

#include "document/ClassRegistry.h"
#include "document/Component.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarvin {

inline constexpr std::string_view StreamSignature = "TPF0";

// A stream that cannot be read: bad signature, unknown class or property, a
// value of the wrong kind, or an end of data in the middle.
class StreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Value tags of the stream.
enum class ValueTag : std::uint8_t {
    Null = 0x00, List = 0x01, Int8 = 0x02, Int16 = 0x03, Int32 = 0x04, Extended = 0x05,
    String = 0x06, Ident = 0x07, False = 0x08, True = 0x09, Binary = 0x0A, Set = 0x0B,
    LString = 0x0C, Nil = 0x0D, Collection = 0x0E,
};

// The whole stream of root: signature, header, properties, empty child list.
// Object-valued properties are read through their accessors, so blocks that
// did not exist yet are created (every page item carries all its blocks).
std::string WriteComponentStream(Component& root);

// Reads a stream, creating the root through the registry; throws StreamError.
std::unique_ptr<Component> ReadComponentStream(std::string_view bytes, const ClassRegistry& registry);

} // namespace tarvin
