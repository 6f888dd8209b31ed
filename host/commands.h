#pragma once

#include "host/command_line.h"

namespace host {

// Each returns the process exit code.
int runRender(const RenderOptions& options);
int runParams(const ParamsOptions& options);

} // namespace host
