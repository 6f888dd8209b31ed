#include "host/commands.h"
#include "host/hosted_plugin.h"

#include <stdexcept>
#include <string>

namespace host {

void selectProgram(HostedPlugin& plugin, int program)
{
    if (program == 0)
        return;
    if (!plugin.stepPrograms(program))
        throw std::runtime_error("the plug-in does not take the program keys (its setting \"Key\" is \"N\"), so "
                                 "--program " + std::to_string(program) + " cannot be selected");
    plugin.completeProgramChange();
}

} // namespace host
