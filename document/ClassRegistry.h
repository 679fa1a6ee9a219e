#pragma once
// Root classes that a component stream may name, looked up by class name.

#include "document/Component.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace tarvin {

class ClassRegistry {
public:
    using Factory = std::function<std::unique_ptr<Component>()>;

    template <class C>
    void Register()
    {
        Register(C().ClassName(), [] { return std::make_unique<C>(); });
    }
    void Register(std::string className, Factory factory);
    // Null when no class of that name is registered.
    std::unique_ptr<Component> Create(std::string_view className) const;

private:
    std::map<std::string, Factory, std::less<>> factories_;
};

} // namespace tarvin
