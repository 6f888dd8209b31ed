#include "hostframework/dsp_card/dsp.h"

#include "hostframework/dsp_card/dsp_callback.h"
#include "hostframework/dsp_card/dsp_objects.h"
#include "hostframework/dsp_card/shell_notification.h"
#include "hostframework/dsp_library.h"
#include "hostframework/host_error.h"
#include "platform/four_char_code.h"

namespace {

// The shells this library sets up carry the host vendor's code, as the host's own shells do.
constexpr std::uint32_t kShellID = FourCharCode("HVnd");
constexpr std::size_t kIndexWord = 0;
constexpr std::size_t kCardDataWord = 1;

DshShell* shellOf(DshDSP* dsp)
{
    if (!IsAccessorMode())
        return dsp->shell;
    DshShell* shell = nullptr;
    return GetDshAccessors().getDSPShell(dsp, &shell) == 0 ? shell : nullptr;
}

} // namespace

DshDSP* FindDSPRunning(DshShell* shell)
{
    DshDSP* dsp = nullptr;
    if (shell == nullptr || GetDSPList(&dsp) != 0)
        return nullptr;
    while (dsp != nullptr && shellOf(dsp) != shell)
        dsp = GetNextDSP(dsp);
    return dsp;
}

CDSP::CDSP(std::int16_t kind, std::int32_t hostCommandBase) : kind(kind), hostCommandBase(hostCommandBase)
{
    UpdateShellNotification();
}

CDSP::~CDSP()
{
    ForgetDSPObject(this);
}

void CDSP::Attach(DshDSP* dsp)
{
    ForgetDSPObject(this);
    dspRecord = dsp;
    if (dsp == nullptr)
        return;
    accessorMode = IsAccessorMode();
    std::int32_t info[20] = {};
    GetDSPInfoRecord(dsp, info);
    dspIndex = info[kIndexWord];
    cardData = info[kCardDataWord];
    RegisterDSPObject(GetDSPClient(dsp), this);
    DshAccessors& driver = GetDshAccessors();
    driver.setShellID(shell, kShellID);
    driver.setShellIsStandard(shell, 1);
    driver.setShellMaxLocation(shell, 0);
    driver.setShellHostCodeHandler(shell, &dspCallbackDispatch);
    driver.setShellDSPCode(shell, nullptr);
}

void CDSP::LoadShell()
{
    ThrowIfError(DshLoadShell(dspRecord, shell, 0));
}

DshDSP* CDSP::FindDSP()
{
    return FindDSPRunning(shell);
}

void CDSP::ReloadShell()
{
    DshShell* listed = nullptr;
    if (GetShellList(&listed) == 0)
        while (listed != nullptr && listed != shell)
            listed = listed->next;
    ThrowIfNull(listed);
    LoadShell();
    ThrowIfError(ResetDSP(dspRecord));
}

void CDSP::Refresh()
{
    UpdateDSPPeripheral();
}
