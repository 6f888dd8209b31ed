#include "host/commands.h"
#include "host/hosted_plugin.h"
#include "host/view_window.h"

#include <stdexcept>

namespace host {

namespace {

constexpr double kSampleRate = 44100.0;
constexpr std::int32_t kBlockSize = 512;
// Where this host puts the instance's root view in its window.
constexpr std::int16_t kRootLeft = 50;
constexpr std::int16_t kRootTop = 20;

} // namespace

// The program keys pass the instance's views first, which need the port: the program and the settings
// come once the window is attached.
int runView(const ViewOptions& options)
{
    HostedPlugin plugin(options.pluginPath, kSampleRate, kBlockSize, HostedPlugin::Road::registration);
    const HostRect rect = plugin.viewRect();
    const int width = options.windowWidth != 0 ? options.windowWidth : rect.right - rect.left;
    const int height = options.windowHeight != 0 ? options.windowHeight : rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        throw std::runtime_error("the plug-in has no view");
    ViewWindow window(plugin, width, height);
    plugin.setViewOrigin(kRootLeft, kRootTop);
    window.attach();
    selectProgram(plugin, options.program);
    for (const ParameterSetting& setting : options.settings)
        plugin.setParameter(setting.index, setting.value);
    return window.writePicture(options.pngPath);
}

} // namespace host
