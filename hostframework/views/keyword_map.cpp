#include "hostframework/views/keyword_map.h"

#include <map>

namespace {

std::map<std::string, SKeyword>& keywords()
{
    static std::map<std::string, SKeyword> map;
    return map;
}

} // namespace

void registerKeyword(const std::string& name, std::int32_t kind, std::intptr_t value)
{
    keywords()[name] = SKeyword{kind, value};
}

void registerViewCreator(const std::string& name, ViewCreator creator)
{
    registerKeyword(name, kViewCreatorKeyword, reinterpret_cast<std::intptr_t>(creator));
}

bool lookupKeyword(const std::string& name, SKeyword* keyword)
{
    const auto found = keywords().find(name);
    if (found == keywords().end())
        return false;
    if (keyword != nullptr)
        *keyword = found->second;
    return true;
}
