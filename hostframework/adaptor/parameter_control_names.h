#pragma once

// The host name list of a parameter's control. Each control is numbered, named parameters and
// unnamed ones each counting from 1; a named one also gets its name in three lengths (whole, five
// and three characters), a host picking the longest that fits.

#include <cstdint>
#include <string>

class CParameterControlNames {
public:
    struct SNameList {
        std::string names;
        bool automatable;
    };

    // The list for a parameter the plug-in calls `name`; empty and "---" mean it has none.
    SNameList Next(const char* name);

private:
    std::int32_t named = 1;
    std::int32_t unnamed = 1;
};
