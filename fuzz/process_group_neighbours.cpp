// The process group as the views ask of it: one resource file, only counted in and out, and no host that
// hands the group a dispatcher.

#include "fuzz/view_neighbours.h"

#include "hostframework/plugin_library.h"
#include "hostframework/process_group.h"
#include "hostframework/process_group_interface.h"

#include <cstdint>

CProcessGroupInterface* gProcessGroup = nullptr;

std::int16_t CProcessGroup::usePlugInResFile()
{
    ++resFileNesting;
    return 0;
}

void CProcessGroup::restoreResFile(std::int16_t)
{
    --resFileNesting;
}

ComponentDispatcher GetComponentDispatcher()
{
    return nullptr;
}
