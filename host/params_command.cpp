#include "host/commands.h"
#include "host/plugin_host.h"

#include <cstdio>

namespace host {

namespace {

constexpr double kSampleRate = 44100.0;
constexpr std::int32_t kBlockSize = 512;
constexpr std::size_t kTextSize = 256; // far above what any parameter text needs

} // namespace

int runParams(const ParamsOptions& options)
{
    PluginHost pluginHost(kSampleRate, kBlockSize);
    pluginHost.dispatch(plugSetProgram, 0, options.program);
    for (const ParameterSetting& setting : options.settings)
        pluginHost.setParameter(setting.index, setting.value);
    for (const int index : options.indices) {
        char name[kTextSize] = {};
        char display[kTextSize] = {};
        char label[kTextSize] = {};
        pluginHost.dispatch(plugGetParamName, index, 0, name);
        pluginHost.dispatch(plugGetParamDisplay, index, 0, display);
        pluginHost.dispatch(plugGetParamLabel, index, 0, label);
        std::printf("%d\t%s\t%s\t%s\t%g\n", index, name, display, label, pluginHost.getParameter(index));
    }
    return 0;
}

} // namespace host
