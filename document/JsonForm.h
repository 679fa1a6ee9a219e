#pragma once
// A readable JSON form of any component stream, for scripting:
//   {"class": "TPagelette", "name": "", "properties": {...}}
// Properties come in published order; owned objects nest as JSON objects,
// collections as arrays of objects, string lists as arrays of strings.
// A text that is not valid UTF-8 is written as {"hex": "<its bytes in hex>"}.

#include "document/ClassRegistry.h"
#include "document/Component.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

namespace tarvin {

using OrderedJson = nlohmann::ordered_json;

class JsonFormError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

OrderedJson ComponentToJson(Component& root);
// Throws JsonFormError naming the offending property.
std::unique_ptr<Component> ComponentFromJson(const OrderedJson& json, const ClassRegistry& registry);

} // namespace tarvin
