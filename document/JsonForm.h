#pragma once
// A readable JSON form of any component stream, for scripting:
//   {"class": "TPagelette", "name": "", "properties": {...}}
// Properties come in published order; owned objects nest as JSON objects,
// collections as arrays of objects, string lists as arrays of strings.
// A text that is not valid UTF-8 is written as {"hex": "<its bytes in hex>"}.
//
// Both directions stream: export writes as it walks the model, import builds
// the model as it reads, so neither holds the whole JSON in memory.

#include "document/ClassRegistry.h"
#include "document/Component.h"

#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string_view>

namespace tarvin {

class JsonFormError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the JSON form with two-blank indentation and a final line break.
// Stops early once out has failed; the caller checks out.
void WriteComponentJson(Component& root, std::ostream& out);

// Reads the JSON form and creates the root through the registry. Throws
// JsonFormError with one line: the path of the offending value and what was
// expected there ("properties.Page[0].BlockType: expected one of its type's
// identifiers"), or why the text is not JSON. Members may come in any order;
// the form nests only as deep as the model does, so deeper input is refused
// at its first extra level (or, while "properties" waits for its "class", at
// a fixed bound).
std::unique_ptr<Component> ReadComponentJson(std::istream& in, const ClassRegistry& registry);
std::unique_ptr<Component> ReadComponentJson(std::string_view text, const ClassRegistry& registry);

} // namespace tarvin
