#include "hostframework/effect_process_midi.h"

#include "hostframework/conversant_info.h"
#include "hostframework/effect_group_midi.h"
#include "hostframework/effect_midi_nodes.h"
#include "hostframework/process_type.h"
#include "hostlibs/engine/host_engine.h"

#include <string>

namespace {

constexpr std::int32_t kOldestMIDIVersion = 1;
// The key this library writes, then those older hosts wrote the number under.
constexpr const char* kInstanceKeys[] = {"Instance ID", "Node ID", "OMS Node ID"};

} // namespace

CEffectProcessMIDI::CEffectProcessMIDI()
{
    DeclareChunk(kMIDIChunkID, "MIDI Connection Data", 0);
}

CEffectProcessMIDI::~CEffectProcessMIDI()
{
    UnregisterIfRegistered();
}

CEffectGroupMIDI* CEffectProcessMIDI::GetMIDIGroup() const
{
    return processType != nullptr ? dynamic_cast<CEffectGroupMIDI*>(processType->GetProcessGroup()) : nullptr;
}

std::int32_t CEffectProcessMIDI::RegisterMIDIClient()
{
    // A second registration would leave the first client at the host and its number in use.
    if (registered)
        return 0;
    CEffectGroupMIDI* group = GetMIDIGroup();
    if (group != nullptr)
        group->AllocateNumber(&instanceNumber);
    nodeTable.SetInstanceNumber(instanceNumber);
    const SConversantInfoFromCDSPProcess client = MakeConversantInfo(*this);
    std::int16_t result = 0;
    for (std::int32_t version = highestVersion; version >= kOldestMIDIVersion; --version) {
        result = HostRegisterDirectMIDIClient(version, nodeTable.InterfaceWord(), &client, &nodeTable);
        if (result == 0 && nodeTable.GetInterface() != nullptr) {
            nodeTable.SetVersion(version);
            registered = true;
            midiChunkSize = 0;
            return 0;
        }
    }
    // No client, so no number in use; and a host that answered 0 without an interface has not
    // registered anything either.
    if (group != nullptr)
        group->ReleaseNumber(instanceNumber);
    return result != 0 ? result : kHostErrMIDIUnsupported;
}

std::int32_t CEffectProcessMIDI::UnregisterMIDIClient()
{
    const std::int16_t result = HostUnRegisterDirectMIDIClient(nodeTable.GetInterface());
    // A client the host still keeps keeps its number: freed now, it could be handed to another
    // instance, and freed again by the next attempt.
    if (result != 0)
        return result;
    registered = false;
    nodeTable.Reset();
    midiChunkSize = 0;
    if (CEffectGroupMIDI* group = GetMIDIGroup())
        group->ReleaseNumber(instanceNumber);
    return 0;
}

std::int32_t CEffectProcessMIDI::UnregisterIfRegistered()
{
    return registered ? UnregisterMIDIClient() : 0;
}

std::int32_t CEffectProcessMIDI::BuildMIDIChunk()
{
    midiParser.Clear();
    if (registered)
        midiParser.AddInt32(kInstanceKeys[0], instanceNumber);
    return static_cast<std::int32_t>(midiParser.GetRecordSize());
}

// The size is kept while the registration stands; registering or unregistering changes what the
// chunk holds, and a host buffer sized before would be too small.
std::int32_t CEffectProcessMIDI::GetChunkSize(std::uint32_t chunkID, std::int32_t* size)
{
    if (chunkID != kMIDIChunkID)
        return CEffectProcess::GetChunkSize(chunkID, size);
    if (midiChunkSize == 0)
        midiChunkSize = BuildMIDIChunk();
    return setOut(size, midiChunkSize);
}

std::int32_t CEffectProcessMIDI::GetChunk(std::uint32_t chunkID, SHostPlugInChunk* chunk)
{
    if (chunkID != kMIDIChunkID)
        return CEffectProcess::GetChunk(chunkID, chunk);
    if (chunk == nullptr)
        return kHostErrNullArgument;
    BuildMIDIChunk();
    midiParser.Write(chunk);
    return 0;
}

// The current number is given back only once a new one was read, so a chunk without one leaves
// the instance and the group's pool as they were.
std::int32_t CEffectProcessMIDI::SetChunk(std::uint32_t chunkID, SHostPlugInChunk* chunk)
{
    if (chunkID != kMIDIChunkID)
        return CEffectProcess::SetChunk(chunkID, chunk);
    if (chunk == nullptr)
        return kHostErrNullArgument;
    if (!registered)
        return kHostErrNoMIDIInstance;
    midiParser.Parse(chunk);
    std::int32_t number = 0;
    bool found = false;
    for (const char* key : kInstanceKeys)
        if (!found)
            found = midiParser.GetInt32(key, number);
    // The pool hands out numbers from 1; a negative one is no number it gave.
    if (!found || number < 0)
        return kHostErrNoMIDIInstance;
    if (CEffectGroupMIDI* group = GetMIDIGroup()) {
        group->ReleaseNumber(instanceNumber);
        group->AllocateNumber(&number);
    }
    instanceNumber = number;
    nodeTable.SetInstanceNumber(number);
    RenameNodes();
    return 0;
}

void CEffectProcessMIDI::RenameNodes()
{
    for (std::size_t slot = CEffectMIDINodeTable::kBufferedInputSlots; slot < CEffectMIDINodeTable::kWordCount;
         ++slot)
        if (CEffectMIDIAbstractNode* node = nodeTable.GetNode(slot)) {
            const std::string name = node->GetName();
            node->SetName(name.c_str());
        }
}
