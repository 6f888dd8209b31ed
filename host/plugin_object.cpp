#include "host/plugin_object.h"

#include <stdexcept>

namespace host {

PluginObject::PluginObject(const std::string& libraryPath, int program, const std::vector<ParameterSetting>& settings)
    : library_(libraryPath)
{
    using CreateEffectInstance = AudioPlugin* (*)(HostCallback);
    const auto create = reinterpret_cast<CreateEffectInstance>(library_.symbol("createEffectInstance"));
    if (create == nullptr)
        throw std::runtime_error(libraryPath + " has no createEffectInstance to make a plug-in object with");
    const HostCallback noHost = [](PluginRecord*, std::int32_t, std::int32_t, PlugIntPtr, void*, float) {
        return PlugIntPtr{0};
    };
    plugin_.reset(create(noHost));
    if (!plugin_)
        throw std::runtime_error("the plug-in object could not be made");
    PluginRecord* made = record();
    made->dispatcher(made, plugSetProgram, 0, program, nullptr, 0.0f);
    for (const ParameterSetting& setting : settings)
        made->setParameter(made, setting.index, setting.value);
}

// The object goes before the library that holds its code.
PluginObject::~PluginObject()
{
    plugin_.reset();
}

} // namespace host
