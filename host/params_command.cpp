#include "host/commands.h"
#include "host/hosted_plugin.h"
#include "host/plugin_object.h"
#include "plugin/base/audio_plugin.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace host {

namespace {

constexpr double kSampleRate = 44100.0;
constexpr std::int32_t kBlockSize = 512;
constexpr std::size_t kTextSize = 256; // far above what any parameter text needs

// The plug-in object's own view, asked of an object the library makes for the inspector: no host
// stands behind it, so its callback answers nothing.
int inspectPlugInObject(const ParamsOptions& options)
{
    const PluginObject plugin(options.pluginPath, options.program, options.settings);
    PluginRecord* record = plugin.record();
    for (const int index : options.indices) {
        char name[kTextSize] = {};
        char display[kTextSize] = {};
        char label[kTextSize] = {};
        record->dispatcher(record, plugGetParamName, index, 0, name, 0.0f);
        record->dispatcher(record, plugGetParamDisplay, index, 0, display, 0.0f);
        record->dispatcher(record, plugGetParamLabel, index, 0, label, 0.0f);
        std::printf("%d\t%s\t%s\t%s\t%g\n", index, name, display, label, record->getParameter(record, index));
    }
    return 0;
}

int showHostView(const ParamsOptions& options)
{
    HostedPlugin plugin(options.pluginPath, kSampleRate, kBlockSize);
    selectProgram(plugin, options.program);
    for (const ParameterSetting& setting : options.settings)
        plugin.setParameter(setting.index, setting.value);
    for (const int index : options.indices)
        std::printf("%d\t%s\t%s\t%s\t%g\n", index, plugin.controlName(index).c_str(), plugin.valueText(index).c_str(),
                    plugin.isAutomatable(index) ? "automatable" : "fixed", plugin.controlValue(index));
    return 0;
}

} // namespace

int runParams(const ParamsOptions& options)
{
    return options.hostView ? showHostView(options) : inspectPlugInObject(options);
}

} // namespace host
