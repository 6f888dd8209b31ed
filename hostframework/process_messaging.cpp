#include "hostframework/process.h"

#include "hostframework/process_group.h"
#include "hostframework/views/plugin_view.h"
#include "hostlibs/engine/host_engine.h"
#include "hostlibs/extension/host_extension.h"
#include "platform/four_char_code.h"

#include <cstring>
#include <new>

namespace {

constexpr std::uint32_t kCurrentValue = FourCharCode("CURV");
constexpr std::uint32_t kGetValue = FourCharCode("GETV");
constexpr std::uint32_t kSetValue = FourCharCode("SETV");
constexpr std::uint32_t kControlValue = FourCharCode("CAVL");
constexpr std::uint32_t kHighlight = FourCharCode("CHIL");
constexpr std::uint32_t kTouch = FourCharCode("CTCH");
constexpr std::uint32_t kAutomationGroup = FourCharCode("CAIG");
constexpr std::uint32_t kManufacturer = FourCharCode("HVND");
constexpr std::uint32_t kProtocol = FourCharCode("Ctrl");
constexpr std::int32_t kListenerType = 56;
constexpr std::int16_t kValueTokenLength = 42;
constexpr std::int16_t kTouchTokenLength = 44;
constexpr std::int16_t kGroupTokenLength = 38;
constexpr std::uint32_t kIdleBudgetTicks = 2;

// Token fields, in the host's byte order.
constexpr std::size_t kDestination = 0;
constexpr std::size_t kClass = 4;
constexpr std::size_t kSelector = 8;
constexpr std::size_t kManufacturerField = 12;
constexpr std::size_t kProtocolField = 16;
constexpr std::size_t kSource = 20;
constexpr std::size_t kLength = 36;
constexpr std::size_t kPayload = 38;
constexpr std::size_t kHighlightNumber = 40;
constexpr std::size_t kHighlightText = 42;
constexpr std::size_t kHighlightTextLength = 12;
constexpr std::size_t kHighlightColour = 54;

template <typename T>
void put(std::uint8_t* token, std::size_t at, T value)
{
    std::memcpy(token + at, &value, sizeof value);
}

template <typename T>
T get(const std::uint8_t* token, std::size_t at)
{
    T value{};
    std::memcpy(&value, token + at, sizeof value);
    return value;
}

} // namespace

bool CProcess::HasMessagingService()
{
    return CProcessGroup::GetServerObject() != 0;
}

std::int32_t CProcess::Initialize()
{
    if (!CProcessGroup::HostViewsDisabled()) {
        rootView = CreateRootView();
        ThrowIfNull(rootView);
        try {
            rootView->Initialize();
        } catch (...) {
            delete rootView;
            rootView = nullptr;
            throw;
        }
    }
    if (HasMessagingService()) {
        std::int16_t count = 0;
        GetNumControls(&count);
        const auto entries = static_cast<std::size_t>(count) + 1;
        try {
            controlSDSNames.assign(entries, 0);
            curvListeners.assign(entries, 0);
            getvListeners.assign(entries, 0);
            setvListeners.assign(entries, 0);
            touchCounts.assign(entries, 0);
            taskRecords.assign(entries, STaskRecord{nullptr, 0});
        } catch (const std::bad_alloc&) {
            throw CHostError(kHostErrNullValue);
        }
    }
    // In turn: a step that failed leaves the later ones undone.
    if (const std::int32_t result = ReserveSDSName(0); result != 0)
        throw CHostError(result);
    if (const std::int32_t result = ReserveControlSDSNames(); result != 0)
        throw CHostError(result);
    if (const std::int32_t result = CreateSDSListener(); result != 0)
        throw CHostError(result);
    return 0;
}

std::int32_t CProcess::Uninitialize()
{
    if (HasMessagingService()) {
        DeleteSDSListeners();
        FreeControlSDSNames();
        FreeSDSName();
    }
    controlSDSNames.clear();
    curvListeners.clear();
    getvListeners.clear();
    setvListeners.clear();
    touchCounts.clear();
    taskRecords.clear();
    delete rootView;
    rootView = nullptr;
    return 0;
}

std::int32_t CProcess::ReserveSDSName(std::int32_t parentNameID)
{
    if (!HasMessagingService())
        return 0;
    if (processSDSNameID != 0) {
        FreeControlSDSNames();
        FreeSDSName();
    }
    if (CProcessGroup::GetObjectServer() == 0)
        return 0;
    char name[300] = {};
    GetBaseName(name);
    std::uint8_t number[256] = {};
    HostExtNumberToText(CProcessGroup::GetCreationCount(), number);
    std::strcat(name, "/Inst");
    std::strncat(name, reinterpret_cast<const char*>(number + 1), number[0]);
    std::int32_t id = 0;
    const std::int16_t result = HostSDSReserveName(parentNameID, name, &id);
    if (result == 0) {
        processSDSNameID = id;
        processSDSNameParent = parentNameID;
        // Kept to free it by: the instance number moves on as other processes come.
        processSDSName = name;
    }
    return result;
}

std::int32_t CProcess::ReserveControlSDSNames()
{
    if (!HasMessagingService() || CProcessGroup::GetObjectServer() == 0)
        return 0;
    for (std::int32_t position = 1; position <= controls.Count(); ++position) {
        char name[32] = {};
        GetControlSDSName(position, name);
        const std::int16_t result = HostSDSReserveName(processSDSNameID, name, &controlSDSNames[position]);
        if (result != 0)
            return result;
    }
    return HostSDSGetNameId(0, "", &rootSDSNameID);
}

std::int32_t CProcess::CreateListener(std::int32_t position, std::uint32_t messageClass, std::uint32_t selector,
                                      std::intptr_t& listener)
{
    const std::intptr_t server = CProcessGroup::GetObjectServer();
    listener = HostNewObject(server, HostFindStandardType(server, kListenerType));
    if (listener == 0)
        return kHostErrNullValue;
    HostSDSSetListenerName(listener, controlSDSNames[position], 0);
    HostSDSSetListenerType(listener, messageClass);
    HostSDSSetListenerSubType(listener, selector);
    HostSDSSetListenerGoal(listener, 0);
    HostSDSSetListenerCriticalFlag(listener, 0);
    HostSDSSetListenerLatestFlag(listener, 1);
    HostSDSSetListenerTaskVal(listener, &taskRecords[position]);
    HostSDSSetListenerTask(listener, CProcessGroup::GetServerObject());
    HostSDSSetListenerProtocol(listener, kProtocol);
    HostSDSSetListenerManufacturer(listener, kManufacturer);
    return 0;
}

std::int32_t CProcess::CreateSDSListener()
{
    if (CProcessGroup::GetObjectServer() == 0 || taskRecords.empty())
        return 0;
    for (std::int32_t position = 1; position <= controls.Count(); ++position) {
        taskRecords[position] = {this, position};
        const struct {
            std::vector<std::intptr_t>& listeners;
            std::uint32_t messageClass;
            std::uint32_t selector;
        } kinds[] = {{curvListeners, kCurrentValue, kControlValue},
                     {getvListeners, kGetValue, kControlValue},
                     {setvListeners, kSetValue, kHighlight}};
        for (const auto& kind : kinds)
            if (const std::int32_t result = CreateListener(position, kind.messageClass, kind.selector,
                                                           kind.listeners[position]);
                result != 0)
                return result;
    }
    return 0;
}

std::int32_t CProcess::FreeSDSName()
{
    if (!HasMessagingService() || processSDSNameID == 0)
        return 0;
    const std::int16_t result = HostSDSFreeName(processSDSNameParent, processSDSName.c_str());
    processSDSNameID = 0;
    processSDSName.clear();
    return result;
}

std::int32_t CProcess::FreeControlSDSNames()
{
    std::int32_t result = 0;
    if (!HasMessagingService() || processSDSNameID == 0)
        return result;
    for (std::int32_t position = 1; position <= controls.Count() && position < std::int32_t(controlSDSNames.size());
         ++position) {
        if (controlSDSNames[position] == 0)
            continue;
        char name[32] = {};
        GetControlSDSName(position, name);
        result = HostSDSFreeName(processSDSNameID, name);
        controlSDSNames[position] = 0;
    }
    return result;
}

void CProcess::DeleteSDSListeners()
{
    if (!HasMessagingService())
        return;
    for (auto* listeners : {&curvListeners, &getvListeners, &setvListeners}) {
        for (std::intptr_t& listener : *listeners) {
            if (listener != 0)
                HostDelete(listener);
            listener = 0;
        }
    }
}

void CProcess::SendToken(std::int32_t destination, std::uint32_t messageClass, std::uint32_t selector,
                         std::int32_t source, std::int32_t value, std::int16_t length, std::int16_t* result)
{
    std::uint8_t token[48] = {};
    put(token, kDestination, destination);
    put(token, kClass, messageClass);
    put(token, kSelector, selector);
    put(token, kManufacturerField, kManufacturer);
    put(token, kProtocolField, kProtocol);
    put(token, kSource, source);
    put(token, kLength, length);
    if (selector == kControlValue)
        put(token, kPayload, value);
    else if (selector == kTouch) {
        put(token, kPayload, static_cast<std::int16_t>(value));
        put(token, kPayload + 2, std::int32_t{1});
    }
    const std::int16_t sent = HostSDSDispatchToken(token);
    if (result != nullptr)
        *result = sent;
}

std::int32_t CProcess::SetControlValue(std::int32_t control, std::int32_t value)
{
    if (!IsValidControlIndex(control))
        return 0;
    if (!HasMessagingService()) {
        ApplyControlValue(control, value);
        UpdateControlView(control, value);
        return 0;
    }
    TouchControl(control);
    std::int16_t result = 0;
    const std::int32_t name = controlSDSNames[control];
    SendToken(name, kSetValue, kControlValue, name, value, kValueTokenLength, &result);
    ReleaseControl(control);
    return result;
}

std::int32_t CProcess::ApplyControlValue(std::int32_t control, std::int32_t value)
{
    ++changeCount;
    if (!IsValidControlIndex(control))
        return 0;
    GetControl(control)->SetHostValue(value);
    ControlValueChanged(control);
    if (!HasMessagingService() || static_cast<std::size_t>(control) >= controlSDSNames.size())
        return 0;
    std::int16_t result = 0;
    const std::int32_t name = controlSDSNames[control];
    SendToken(name, kCurrentValue, kControlValue, name, value, kValueTokenLength, &result);
    return result;
}

void CProcess::TouchControl(std::int32_t control)
{
    if (!HasMessagingService() || static_cast<std::size_t>(control) >= touchCounts.size() || control < 1)
        return;
    if (touchCounts[control] == 0) {
        const std::int32_t name = controlSDSNames[control];
        SendToken(name, kSetValue, kTouch, name, 1, kTouchTokenLength);
        SendToken(rootSDSNameID, kSetValue, kAutomationGroup, rootSDSNameID, 0, kGroupTokenLength);
    }
    ++touchCounts[control];
}

void CProcess::ReleaseControl(std::int32_t control)
{
    if (!HasMessagingService() || static_cast<std::size_t>(control) >= touchCounts.size() || control < 1 ||
        touchCounts[control] <= 0)
        return;
    if (--touchCounts[control] == 0) {
        const std::int32_t name = controlSDSNames[control];
        SendToken(name, kSetValue, kTouch, name, 0, kTouchTokenLength);
    }
}

// Serves the tokens that arrive within two ticks of the call; each carries the process it is for.
void CProcess::DoIdle()
{
    if (!HasMessagingService())
        return;
    const std::uint32_t deadline = HostExtTickCount() + kIdleBudgetTicks;
    while (static_cast<std::int32_t>(HostExtTickCount() - deadline) < 0) {
        std::int32_t word = 0;
        void* taskValue = nullptr;
        std::uint8_t* token = nullptr;
        HostSDSGetTokenAndTaskVal(CProcessGroup::GetServerObject(), &word, &taskValue, &token);
        if (token == nullptr)
            break;
        const auto* task = static_cast<const STaskRecord*>(taskValue);
        CProcess* target = task != nullptr && task->process != nullptr ? task->process : this;
        const std::int32_t position = task != nullptr ? task->position : 0;
        const auto messageClass = get<std::uint32_t>(token, kClass);
        const auto selector = get<std::uint32_t>(token, kSelector);
        if (messageClass == kCurrentValue && selector == kControlValue) {
            target->UpdateControlView(position, get<std::int32_t>(token, kPayload));
        } else if (messageClass == kGetValue && selector == kControlValue) {
            std::int32_t value = 0;
            target->GetControlValue(position, &value);
            if (position >= 1 && static_cast<std::size_t>(position) < target->controlSDSNames.size()) {
                const std::int32_t name = target->controlSDSNames[static_cast<std::size_t>(position)];
                target->SendToken(name, kCurrentValue, kControlValue, name, value, kValueTokenLength);
            }
        } else if (messageClass == kSetValue && selector == kHighlight) {
            // The token holds 12 bytes of text, with or without a terminating zero.
            char text[kHighlightTextLength + 1] = {};
            std::memcpy(text, token + kHighlightText, kHighlightTextLength);
            target->HighlightControl(position, get<std::int16_t>(token, kPayload),
                                     get<std::int16_t>(token, kHighlightColour),
                                     get<std::int16_t>(token, kHighlightNumber), text);
        } else {
            HandleOtherToken(token);
        }
        HostSDSDoneWithToken(token);
    }
    HostPersonalityDoIdle();
}

std::int32_t CProcess::GetSDSNameID(void** nameID)
{
    return setOut(nameID, reinterpret_cast<void*>(static_cast<std::intptr_t>(processSDSNameID)));
}

std::int32_t CProcess::GetControlSDSNameID(std::int32_t control, void** nameID)
{
    const bool named = control >= 1 && static_cast<std::size_t>(control) < controlSDSNames.size();
    return setOut(nameID, reinterpret_cast<void*>(static_cast<std::intptr_t>(named ? controlSDSNames[control] : 0)));
}
