#include "hostframework/adaptor/parameter_control_names.h"

#include <cstdio>
#include <cstring>

namespace {

std::string numbered(std::int32_t number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d ", number);
    return text;
}

} // namespace

CParameterControlNames::SNameList CParameterControlNames::Next(const char* name)
{
    if (name == nullptr || name[0] == '\0' || std::strcmp(name, "---") == 0)
        return {numbered(unnamed++), false};
    const std::string whole(name);
    std::string names = numbered(named++);
    names.append(whole).append("\n");
    names.append(whole.substr(0, 5)).append("\n");
    names.append(whole.substr(0, 3)).append("\n");
    return {names, true};
}
