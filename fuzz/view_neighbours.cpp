#include "fuzz/view_neighbours.h"

#include "hostframework/module_version.h"

#include <cstdlib>
#include <string>

int resFileNesting = 0;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

std::string GetModuleVersionText()
{
    return "0.1.0.0";
}
