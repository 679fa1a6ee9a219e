#include "document/ClassRegistry.h"

namespace tarvin {

void ClassRegistry::Register(std::string className, Factory factory)
{
    factories_[std::move(className)] = std::move(factory);
}

std::unique_ptr<Component> ClassRegistry::Create(std::string_view className) const
{
    const auto it = factories_.find(className);
    return it == factories_.end() ? nullptr : it->second();
}

} // namespace tarvin
