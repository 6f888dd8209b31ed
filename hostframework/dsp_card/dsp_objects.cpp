#include "hostframework/dsp_card/dsp_objects.h"

#include "hostframework/dsp_card/dsp.h"
#include "hostframework/dsp_library.h"

#include <map>
#include <mutex>

namespace {

// Shells call back on the driver's schedule, from threads of its own.
struct Registry {
    std::mutex lock;
    std::map<DshClient*, CDSP*> objects;
};

Registry& registry()
{
    static Registry state;
    return state;
}

} // namespace

void RegisterDSPObject(DshClient* client, CDSP* object)
{
    if (client == nullptr)
        return;
    Registry& state = registry();
    const std::lock_guard<std::mutex> guard(state.lock);
    state.objects[client] = object;
}

void ForgetDSPObject(CDSP* object)
{
    Registry& state = registry();
    const std::lock_guard<std::mutex> guard(state.lock);
    std::erase_if(state.objects, [object](const auto& entry) { return entry.second == object; });
}

CDSP* FindDSPObject(DshDSP* dsp)
{
    DshClient* client = dsp != nullptr ? GetDSPClient(dsp) : nullptr;
    if (client == nullptr)
        return nullptr;
    Registry& state = registry();
    const std::lock_guard<std::mutex> guard(state.lock);
    const auto found = state.objects.find(client);
    return found != state.objects.end() ? found->second : nullptr;
}

void SendDSPHostCommand(DshDSP* dsp, std::int16_t command)
{
    if (CDSP* object = FindDSPObject(dsp))
        object->HostCommand(command);
}

std::int32_t ReadDSPWord(DshDSP* dsp)
{
    CDSP* object = FindDSPObject(dsp);
    return object != nullptr ? object->ReadWord() : 0;
}

void WriteDSPWord(DshDSP* dsp, std::int32_t word)
{
    if (CDSP* object = FindDSPObject(dsp))
        object->WriteWord(word);
}
