#pragma once

#include "host/command_line.h"
#include "platform/shared_library.h"
#include "plugin/base/audio_plugin.h"

#include <memory>
#include <string>
#include <vector>

namespace host {

// A plug-in object made through the loaded library's own entry, with no host behind it (its callback
// answers nothing), on the program given and with the settings written; for the inspector and the editor.
class PluginObject {
public:
    // Throws std::runtime_error when the library has no entry or makes no object.
    PluginObject(const std::string& libraryPath, int program, const std::vector<ParameterSetting>& settings);
    ~PluginObject();
    PluginObject(const PluginObject&) = delete;
    PluginObject& operator=(const PluginObject&) = delete;

    PluginRecord* record() const { return plugin_->getPluginRecord(); }

private:
    platform::SharedLibrary library_;
    std::unique_ptr<AudioPlugin> plugin_;
};

} // namespace host
