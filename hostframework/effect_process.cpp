#include "hostframework/effect_process.h"

#include "hostframework/controls/discrete_control.h"
#include "hostframework/effect_type.h"
#include "hostframework/host_text.h"
#include "hostframework/views/dialog_view.h"

#include <cstring>

namespace {

constexpr std::int32_t kSideInputAttribute = 5;
constexpr std::int32_t kAttribute21 = 21;
constexpr std::int32_t kBypassOn = 2147483647;
constexpr std::int32_t kBypassOff = -2147483647 - 1;
constexpr std::int32_t kLongestName = 255;

} // namespace

CEffectProcess::CEffectProcess()
{
    DeclareChunk(kControlsChunkID, "Complete Controls State", 0);
}

std::int32_t CEffectProcess::Initialize()
{
    if (auto* type = dynamic_cast<CEffectType*>(processType)) {
        type->GetNumInputs(0, &inputs);
        type->GetNumOutputs(0, &outputs);
        type->GetTypeKind(&typeKind);
        type->GetTypeAttribute(kSideInputAttribute, &sideInputAttribute);
        type->GetTypeAttribute(kAttribute21, &typeAttribute21);
    }
    meterCache.Bind(this, typeKind);
    SetUpEffect();
    meterPeaks.assign(static_cast<std::size_t>(meterCache.Count()), 0);
    meterClips.assign(static_cast<std::size_t>(meterCache.Count()), 0);
    return CDSPProcess::Initialize();
}

// The views have the key first; what they leave goes to the process.
std::int32_t CEffectProcess::HandleKeyEvent(EventRecord* event, std::uint8_t* handled)
{
    std::uint8_t viewsUsed = 0;
    CDSPProcess::HandleKeyEvent(event, &viewsUsed);
    const bool used = viewsUsed != 0 || HandleKeyInProcess(event);
    return setOut(handled, used ? 1 : 0);
}

std::int32_t CEffectProcess::SetBypass(std::int32_t /*control*/, std::uint8_t bypass)
{
    if (bypassPosition == 0)
        return 0;
    return ApplyControlValue(bypassPosition, bypass != 0 ? kBypassOn : kBypassOff);
}

std::int32_t CEffectProcess::GetBypass(std::int32_t /*control*/, std::uint8_t* bypass)
{
    if (bypassPosition == 0)
        return 0;
    std::int32_t value = 0;
    GetControlValue(bypassPosition, &value);
    return setOut(bypass, value >= 0 ? 1 : 0);
}

void CEffectProcess::GetBaseName(char* name)
{
    const auto* type = dynamic_cast<const CEffectType*>(processType);
    CopyNameVariant(name, type != nullptr ? type->GetNameList().c_str() : nullptr, kLongestName);
}

CPlugInView* CEffectProcess::CreateRootView()
{
    auto* dialog = new CDialogView;
    dialog->SetDialogID(GetIndexA());
    return dialog;
}

std::int32_t CEffectProcess::GetAOSInfo(std::int32_t index, SHostPlugInStemInfo* record)
{
    const SHostPlugInStemInfo& entry = aosInfos.At(index).GetRecord();
    if (record == nullptr)
        return 0;
    record->present = entry.present != 0 ? 1 : 0;
    if (record->present != 0) {
        record->firstChannel = entry.firstChannel;
        record->stemFormat = entry.stemFormat;
        std::strncpy(record->name, entry.name, sizeof record->name - 1);
        record->name[sizeof record->name - 1] = '\0';
    }
    return 0;
}

void CEffectProcess::AddMeter(SMeter* meter)
{
    meterCache.AddMeter(meter);
    // The arrays follow the count, so a meter added after Initialize is read safely too.
    meterPeaks.resize(static_cast<std::size_t>(meterCache.Count()), 0);
    meterClips.resize(static_cast<std::size_t>(meterCache.Count()), 0);
}

void CEffectProcess::DeclareChunk(std::uint32_t chunkID, const char* name, std::int32_t size)
{
    declaredChunks.push_back({chunkID, name != nullptr ? name : "", size});
    if (chunkID != kControlsChunkID && chunkID != kMIDIChunkID)
        ownChunks = true;
}

void CEffectProcess::SetMasterBypassControl(std::int32_t position)
{
    bypassPosition = position;
    if (!IsValidControlIndex(position))
        return;
    auto* control = dynamic_cast<CPluginControl_Discrete*>(GetControl(position));
    if (control != nullptr && control->GetID() != 0)
        leftOutIDs.insert(control->GetID());
}

bool CEffectProcess::HasOutputChannel(std::int32_t channel) const
{
    std::int32_t offset = 0;
    return aosInfos.Find(channel, &offset) != nullptr;
}

bool CEffectProcess::IsOutputChannelEnabled(std::int32_t channel) const
{
    std::int32_t offset = 0;
    const CAOSInfo* info = aosInfos.Find(channel, &offset);
    return info == nullptr || info->IsEnabled(offset);
}

void CEffectProcess::SetOutputChannelEnabled(std::int32_t channel, bool enabled)
{
    std::int32_t offset = 0;
    if (CAOSInfo* info = aosInfos.Find(channel, &offset))
        info->SetEnabled(offset, enabled);
}
