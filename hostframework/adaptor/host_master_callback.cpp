#include "hostframework/adaptor/host_master_callback.h"

#include "hostframework/adaptor/template_no_ui_process.h"
#include "hostframework/plugin_library.h"
#include "hostframework/process_group_interface.h"
#include "platform/four_char_code.h"
#include "plugin/base/audio_plugin.h"

#include <cstring>

namespace {

// What the plug-in asks its host.
enum EHostRequest : std::int32_t {
    kAutomate = 0,
    kVersion = 1,
    kCurrentID = 2,
    kIdle = 3,
    kGetTime = 7,
    kSampleRate = 16,
    kBlockSize = 17,
    kVendorText = 32,
    kProductText = 33,
    kUpdateDisplay = 42,
};

constexpr PlugIntPtr kHostVersion = 2;
constexpr auto kCurrentIDAnswer = static_cast<PlugIntPtr>(FourCharCode("KrCH"));
constexpr PlugIntPtr kHostBlockSize = 32;

CTemplateNoUIProcess* processOf(PluginRecord* effect)
{
    return effect != nullptr ? reinterpret_cast<CTemplateNoUIProcess*>(effect->resvd1) : nullptr;
}

void copyText(void* ptr, const char* text)
{
    if (ptr != nullptr)
        std::memcpy(ptr, text, std::strlen(text) + 1);
}

} // namespace

PlugIntPtr hostMasterCallback(PluginRecord* effect, std::int32_t opcode, std::int32_t index, PlugIntPtr /*value*/,
                              void* ptr, float opt)
{
    CTemplateNoUIProcess* process = processOf(effect);
    if (process == nullptr || opcode > kUpdateDisplay)
        return 0;
    switch (opcode) {
    case kAutomate:
        if (opt >= 0.0f && opt <= 1.0f)
            process->AutomateFromPlugIn(index, opt);
        return 0;
    case kVersion:
        return kHostVersion;
    case kCurrentID:
        return kCurrentIDAnswer;
    case kIdle:
        process->DoIdle();
        // The plug-in asks from inside its own loops, such as a control's drag: the host runs meanwhile.
        if (gProcessGroup != nullptr)
            gProcessGroup->YieldHostCall();
        return 0;
    case kGetTime:
        return reinterpret_cast<PlugIntPtr>(&process->GetTimeInfo());
    case kSampleRate:
        return process->GetSampleRate();
    case kBlockSize:
        return kHostBlockSize;
    case kVendorText:
        copyText(ptr, "Vexo");
        return 0;
    case kProductText:
        copyText(ptr, "Kravo");
        return 0;
    case kUpdateDisplay:
        if (auto* plugIn = static_cast<AudioPlugin*>(effect->object))
            plugIn->getProgram();
        return 0;
    default:
        return 0;
    }
}

PlugIntPtr CallPlugInDispatcher(PluginRecord* record, std::int32_t opcode, std::int32_t index, PlugIntPtr value,
                                void* ptr, float opt)
{
    if (record == nullptr || record->dispatcher == nullptr)
        return 0;
    return record->dispatcher(record, opcode, index, value, ptr, opt);
}
