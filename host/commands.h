#pragma once

#include "host/command_line.h"

namespace host {

// Each returns the process exit code.
int runRender(const RenderOptions& options);
int runParams(const ParamsOptions& options);
int runEditor(const EditorOptions& options);
int runView(const ViewOptions& options);
// Every built-in drum sample once, in entry order, with a short gap after each.
int runSamples(const RenderOptions& options);

class HostedPlugin;
// Steps from the first program to `program` with the program keys and lets the change complete,
// unheard; throws when the plug-in does not take the keys.
void selectProgram(HostedPlugin& plugin, int program);

} // namespace host
