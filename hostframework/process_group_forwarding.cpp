#include "hostframework/process_group.h"

// The routines the group hands to a type unchanged: the type answers, or finds the process that does.

std::int32_t CProcessGroup::DrawView(std::uint32_t typeID, std::int32_t processID, Rect* rect)
{
    return GetProcessType(typeID)->DrawView(processID, rect);
}

std::int32_t CProcessGroup::HandleViewEvent(std::uint32_t typeID, std::int32_t processID, EventRecord* event)
{
    return GetProcessType(typeID)->HandleViewEvent(processID, event);
}

std::int32_t CProcessGroup::HandleKeyEvent(std::uint32_t typeID, std::int32_t processID, EventRecord* event,
                                           std::uint8_t* handled)
{
    return GetProcessType(typeID)->HandleKeyEvent(processID, event, handled);
}

std::int32_t CProcessGroup::HandleIdleEvent(std::uint32_t typeID, std::int32_t processID, EventRecord* event)
{
    return GetProcessType(typeID)->Idle(processID, event);
}

std::int32_t CProcessGroup::HostCall25(std::uint32_t typeID, std::int32_t* value)
{
    return GetProcessType(typeID)->HostCall25(value);
}

std::int32_t CProcessGroup::ShowView(std::uint32_t typeID, std::int32_t processID)
{
    return GetProcessType(typeID)->ActivateView(processID);
}

std::int32_t CProcessGroup::HideView(std::uint32_t typeID, std::int32_t processID)
{
    return GetProcessType(typeID)->DeactivateView(processID);
}

std::int32_t CProcessGroup::GetNumInputs(std::uint32_t typeID, std::int32_t processID, std::int16_t* count)
{
    return GetProcessType(typeID)->GetNumInputs(processID, count);
}

std::int32_t CProcessGroup::GetNumOutputs(std::uint32_t typeID, std::int32_t processID, std::int16_t* count)
{
    return GetProcessType(typeID)->GetNumOutputs(processID, count);
}

std::int32_t CProcessGroup::GetStemFormats(std::uint32_t typeID, std::int32_t processID,
                                           SHostPlugInStemFormats* formats)
{
    return GetProcessType(typeID)->GetStemFormats(processID, formats);
}

std::int32_t CProcessGroup::HostCall15(std::uint32_t typeID, std::int32_t processID, EventRecord* event)
{
    return GetProcessType(typeID)->HostCall15(processID, event);
}

std::int32_t CProcessGroup::HostCall144(std::uint32_t typeID, std::int32_t processID)
{
    return GetProcessType(typeID)->HostCall144(processID);
}

std::int32_t CProcessGroup::SetFormatA(std::uint32_t typeID, std::int32_t processID, std::int16_t format)
{
    return GetProcessType(typeID)->SetFormatA(processID, format);
}

std::int32_t CProcessGroup::SetFormatB(std::uint32_t typeID, std::int32_t processID, std::int16_t format)
{
    return GetProcessType(typeID)->SetFormatB(processID, format);
}

std::int32_t CProcessGroup::HostCall79(std::uint32_t typeID, std::int16_t* value)
{
    return GetProcessType(typeID)->HostCall79(value);
}

std::int32_t CProcessGroup::HostCall27(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                       std::uint8_t* arg4)
{
    return GetProcessType(typeID)->HostCall27(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall28(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                       std::uint8_t* arg4)
{
    return GetProcessType(typeID)->HostCall28(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall29(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                       std::uint8_t* arg4)
{
    return GetProcessType(typeID)->HostCall29(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall30(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                       std::int32_t arg4)
{
    return GetProcessType(typeID)->HostCall30(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall31(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                       std::int32_t arg4)
{
    return GetProcessType(typeID)->HostCall31(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall32(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3)
{
    return GetProcessType(typeID)->HostCall32(processID, arg3);
}

std::int32_t CProcessGroup::HostCall33(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3)
{
    return GetProcessType(typeID)->HostCall33(processID, arg3);
}

std::int32_t CProcessGroup::GetNumControls(std::uint32_t typeID, std::int32_t processID, std::int16_t* count)
{
    return GetProcessType(typeID)->GetNumControls(processID, count);
}

std::int32_t CProcessGroup::GetMasterBypassControl(std::uint32_t typeID, std::int32_t processID,
                                                   std::int32_t* control)
{
    return GetProcessType(typeID)->GetBypassControlIndex(processID, control);
}

std::int32_t CProcessGroup::IsControlAutomatable(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                                 std::int16_t* automatable)
{
    return GetProcessType(typeID)->IsControlAutomatable(processID, control, automatable);
}

std::int32_t CProcessGroup::GetControlNumSteps(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                               std::int32_t* steps)
{
    return GetProcessType(typeID)->GetControlNumSteps(processID, control, steps);
}

std::int32_t CProcessGroup::GetControlName(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                           char* name)
{
    return GetProcessType(typeID)->GetControlName(processID, control, name);
}

std::int32_t CProcessGroup::GetControlNameOfLength(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                                   char* name, std::int32_t length, std::uint32_t arg6,
                                                   std::int16_t* arg7)
{
    return GetProcessType(typeID)->GetControlNameOfLength(processID, control, name, length, arg6, arg7);
}

std::int32_t CProcessGroup::GetControlValue(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                            std::int32_t* value)
{
    return GetProcessType(typeID)->GetControlValue(processID, control, value);
}

std::int32_t CProcessGroup::SetControlValue(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                            std::int32_t value)
{
    return GetProcessType(typeID)->SetControlValue(processID, control, value);
}

std::int32_t CProcessGroup::HostCall49(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                       SHostAutoTimeRampData* arg4)
{
    return GetProcessType(typeID)->HostCall49(processID, arg3, arg4);
}

std::int32_t CProcessGroup::Operation66(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                        std::intptr_t* arg3)
{
    return GetProcessType(typeID)->OptionalHook2(processID, control, arg3);
}

std::int32_t CProcessGroup::Operation67(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                        std::intptr_t* arg3)
{
    return GetProcessType(typeID)->OptionalHook3(processID, control, arg3);
}

std::int32_t CProcessGroup::GetTableEntryCount(std::uint32_t typeID, std::int32_t processID, std::uint32_t table,
                                               std::int16_t entry)
{
    return GetProcessType(typeID)->GetTableEntryCount(processID, table, entry);
}

std::int32_t CProcessGroup::GetTableEntryValue(std::uint32_t typeID, std::int32_t processID, std::uint32_t table,
                                               std::int16_t entry, std::int16_t arg5, std::int16_t arg6)
{
    return GetProcessType(typeID)->GetTableEntryValue(processID, table, entry, arg5, arg6);
}

std::int32_t CProcessGroup::HasTableEntry(std::uint32_t typeID, std::int32_t processID, std::uint32_t table,
                                          std::int16_t entry)
{
    return GetProcessType(typeID)->HasTableEntry(processID, table, entry);
}

std::int32_t CProcessGroup::HostCall166(std::uint32_t typeID, std::int32_t processID, char* arg3, std::int32_t* arg4)
{
    return GetProcessType(typeID)->HostCall166(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall167(std::uint32_t typeID, std::int32_t processID, std::int32_t* arg3)
{
    return GetProcessType(typeID)->HostCall167(processID, arg3);
}

std::int32_t CProcessGroup::SetBypass(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                      std::uint8_t bypass)
{
    return GetProcessType(typeID)->SetBypass(processID, control, bypass);
}

std::int32_t CProcessGroup::GetBypass(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                      std::uint8_t* bypass)
{
    return GetProcessType(typeID)->GetBypass(processID, control, bypass);
}

std::int32_t CProcessGroup::HostCall50(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                       std::uint8_t arg4)
{
    return GetProcessType(typeID)->HostCall50(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall52(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                       std::uint8_t* arg4)
{
    return GetProcessType(typeID)->HostCall52(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall133(std::uint32_t typeID, std::int32_t processID, std::uint32_t arg3,
                                        std::uint32_t arg4, std::int32_t* arg5)
{
    return GetProcessType(typeID)->HostCall133(processID, arg3, arg4, arg5);
}

std::int32_t CProcessGroup::HostCall134(std::uint32_t typeID, std::int32_t processID, std::uint32_t* arg3)
{
    return GetProcessType(typeID)->HostCall134(processID, arg3);
}

std::int32_t CProcessGroup::QueryTypeFlags(std::uint32_t typeID, std::int32_t processID, std::uint32_t query,
                                           std::uint32_t* flags)
{
    return GetProcessType(typeID)->QueryTypeFlags(processID, query, flags);
}

std::int32_t CProcessGroup::HostCall53(std::uint32_t typeID, std::int32_t processID, std::int32_t* arg3)
{
    return GetProcessType(typeID)->GetMeterCount(processID, arg3);
}

std::int32_t CProcessGroup::HostCall54(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                       std::int32_t* arg4)
{
    return GetProcessType(typeID)->GetMeterLevel(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall55(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3, char* arg4)
{
    return GetProcessType(typeID)->HostCall55(processID, arg3, arg4);
}

std::int32_t CProcessGroup::GetMeterOrientation(std::uint32_t typeID, std::int32_t processID, std::int32_t meter,
                                                EMeterOrientation* orientation)
{
    return GetProcessType(typeID)->GetMeterOrientation(processID, meter, orientation);
}

std::int32_t CProcessGroup::GetNumMeters(std::uint32_t typeID, std::int32_t processID, EMeterType meterType,
                                         std::int32_t* count)
{
    return GetProcessType(typeID)->GetNumMeters(processID, meterType, count);
}

std::int32_t CProcessGroup::GetMeterOfType(std::uint32_t typeID, std::int32_t processID, EMeterType meterType,
                                           std::int32_t index, std::int32_t* meter)
{
    return GetProcessType(typeID)->GetMeterOfType(processID, meterType, index, meter);
}

std::int32_t CProcessGroup::GetClipIndicator(std::uint32_t typeID, std::int32_t processID, std::uint8_t* clipped)
{
    return GetProcessType(typeID)->GetClipIndicator(processID, clipped);
}

std::int32_t CProcessGroup::ClearClipIndicators(std::uint32_t typeID, std::int32_t processID)
{
    return GetProcessType(typeID)->ClearClipIndicators(processID);
}

std::int32_t CProcessGroup::HostCall160(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                        std::int32_t arg4, std::uint8_t arg5)
{
    return GetProcessType(typeID)->HostCall160(processID, arg3, arg4, arg5);
}

std::int32_t CProcessGroup::HostCall161(std::uint32_t typeID, std::int32_t processID, std::uint8_t* arg3)
{
    return GetProcessType(typeID)->HostCall161(processID, arg3);
}

std::int32_t CProcessGroup::HostCall162(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3, void* arg4,
                                        std::uint8_t* arg5)
{
    return GetProcessType(typeID)->HostCall162(processID, arg3, arg4, arg5);
}

std::int32_t CProcessGroup::HostCall163(std::uint32_t typeID, std::int32_t processID)
{
    return GetProcessType(typeID)->HostCall163(processID);
}

std::int32_t CProcessGroup::HostCall164(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                        std::int32_t arg4)
{
    return GetProcessType(typeID)->HostCall164(processID, arg3, arg4);
}

std::int32_t CProcessGroup::GetNumChunks(std::uint32_t typeID, std::int32_t processID, std::int32_t* count)
{
    return GetProcessType(typeID)->GetNumChunks(processID, count);
}

std::int32_t CProcessGroup::GetChunkIDByIndex(std::uint32_t typeID, std::int32_t processID, std::int32_t index,
                                              std::uint32_t* chunkID)
{
    return GetProcessType(typeID)->GetChunkID(processID, index, chunkID);
}

std::int32_t CProcessGroup::GetChunkName(std::uint32_t typeID, std::int32_t processID, std::uint32_t chunkID,
                                         std::uint8_t* name)
{
    return GetProcessType(typeID)->GetChunkName(processID, chunkID, name);
}

std::int32_t CProcessGroup::GetChunkSize(std::uint32_t typeID, std::int32_t processID, std::uint32_t chunkID,
                                         std::int32_t* size)
{
    return GetProcessType(typeID)->GetChunkSize(processID, chunkID, size);
}

std::int32_t CProcessGroup::HostCall165(std::uint32_t typeID, std::int32_t processID, char* arg3)
{
    return GetProcessType(typeID)->HostCall165(processID, arg3);
}

std::int32_t CProcessGroup::HostCall171(std::uint32_t typeID, std::int32_t processID, void* arg3)
{
    return GetProcessType(typeID)->HostCall171(processID, arg3);
}

std::int32_t CProcessGroup::GetChangeCount(std::uint32_t typeID, std::int32_t processID, std::int32_t* count)
{
    return GetProcessType(typeID)->GetChangeCount(processID, count);
}

std::int32_t CProcessGroup::HostCall71(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                       std::uint8_t arg4)
{
    return GetProcessType(typeID)->HostCall71(processID, arg3, arg4);
}

std::int32_t CProcessGroup::GetShortValue(std::uint32_t typeID, std::int32_t processID, std::int16_t* value)
{
    return GetProcessType(typeID)->GetShortValue(processID, value);
}

std::int32_t CProcessGroup::GetLongValue(std::uint32_t typeID, std::int32_t processID, std::int32_t* value)
{
    return GetProcessType(typeID)->GetLongValue(processID, value);
}

std::int32_t CProcessGroup::HostCall94(std::uint32_t typeID, std::int32_t processID, std::int16_t arg3,
                                       std::int16_t arg4, char* arg5)
{
    return GetProcessType(typeID)->HostCall94(processID, arg3, arg4, arg5);
}

std::int32_t CProcessGroup::HostCall95(std::uint32_t typeID, std::int32_t processID, std::int16_t arg3,
                                       std::int16_t arg4, char* arg5)
{
    return GetProcessType(typeID)->HostCall95(processID, arg3, arg4, arg5);
}

std::int32_t CProcessGroup::Operation120(std::uint32_t typeID, std::int32_t processID, std::int16_t arg3,
                                         std::int16_t arg4, std::int16_t arg5, std::int16_t* arg6)
{
    return GetProcessType(typeID)->OptionalHook6(processID, arg3, arg4, arg5, arg6);
}

std::int32_t CProcessGroup::Operation121(std::uint32_t typeID, std::int32_t processID, std::int16_t arg3,
                                         std::int16_t arg4, std::int16_t arg5, std::int16_t arg6, char* arg7)
{
    return GetProcessType(typeID)->OptionalHook7(processID, arg3, arg4, arg5, arg6, arg7);
}

std::int32_t CProcessGroup::HostCall101(std::uint32_t typeID, std::int32_t processID)
{
    return GetProcessType(typeID)->HostCall101(processID);
}

std::int32_t CProcessGroup::HostCall102(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                        std::int32_t arg4)
{
    return GetProcessType(typeID)->HostCall102(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall103(std::uint32_t typeID, std::int32_t processID, std::int16_t arg3,
                                        std::int32_t arg4, std::int32_t* arg5)
{
    return GetProcessType(typeID)->HostCall103(processID, arg3, arg4, arg5);
}

std::int32_t CProcessGroup::HostCall104(std::uint32_t typeID, std::int32_t processID, std::int32_t* arg3)
{
    return GetProcessType(typeID)->HostCall104(processID, arg3);
}

std::int32_t CProcessGroup::HostCall105(std::uint32_t typeID, std::int32_t processID, std::int32_t* arg3)
{
    return GetProcessType(typeID)->HostCall105(processID, arg3);
}

std::int32_t CProcessGroup::IncrementControlValue(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                                  std::int32_t delta)
{
    return GetProcessType(typeID)->IncrementControlValue(processID, control, delta);
}

std::int32_t CProcessGroup::GetControlAttributeA(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                                 std::int32_t* value)
{
    return GetProcessType(typeID)->GetControlAttributeA(processID, control, value);
}

std::int32_t CProcessGroup::GetSDSNameID(std::uint32_t typeID, std::int32_t processID, void** nameID)
{
    return GetProcessType(typeID)->GetSDSNameID(processID, nameID);
}

std::int32_t CProcessGroup::GetControlSDSNameID(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                                void** nameID)
{
    return GetProcessType(typeID)->GetControlSDSNameID(processID, control, nameID);
}

std::int32_t CProcessGroup::GetControlAttributeC(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                                 std::int32_t* value)
{
    return GetProcessType(typeID)->GetControlAttributeC(processID, control, value);
}

std::int32_t CProcessGroup::GetControlAttributeB(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                                 std::int32_t* value)
{
    return GetProcessType(typeID)->GetControlAttributeB(processID, control, value);
}

std::int32_t CProcessGroup::GetControlValueTextOfLength(std::uint32_t typeID, std::int32_t processID,
                                                        std::int32_t control, std::int32_t value, char* text,
                                                        std::int32_t length)
{
    return GetProcessType(typeID)->GetControlValueTextOfLength(processID, control, value, text, length);
}

std::int32_t CProcessGroup::GetControlHighlight(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                                std::int16_t* on, std::int16_t* colour)
{
    return GetProcessType(typeID)->GetControlHighlight(processID, control, on, colour);
}

std::int32_t CProcessGroup::SetControlHighlight(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                                std::int16_t on, std::int16_t colour)
{
    return GetProcessType(typeID)->SetControlHighlight(processID, control, on, colour);
}

std::int32_t CProcessGroup::ApplyControlValue(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                              std::int32_t value)
{
    return GetProcessType(typeID)->ApplyControlValue(processID, control, value);
}

std::int32_t CProcessGroup::ApplyControlValueDelta(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                                   std::int32_t delta)
{
    return GetProcessType(typeID)->IncrementControlValueNow(processID, control, delta);
}

std::int32_t CProcessGroup::GetControlAtPoint(std::uint32_t typeID, std::int32_t processID, Point where,
                                              std::int32_t* control)
{
    return GetProcessType(typeID)->GetControlAtPoint(processID, where, control);
}

std::int32_t CProcessGroup::GetControlDefaultValue(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                                   std::int32_t* value)
{
    return GetProcessType(typeID)->GetControlDefaultValue(processID, control, value);
}

std::int32_t CProcessGroup::HostCall156(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                        std::int32_t arg4, std::int32_t arg5, std::int32_t* arg6)
{
    return GetProcessType(typeID)->HostCall156(processID, arg3, arg4, arg5, arg6);
}

std::int32_t CProcessGroup::HostCall59(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                       std::int32_t arg4, std::int16_t* arg5)
{
    return GetProcessType(typeID)->HostCall59(processID, arg3, arg4, arg5);
}

std::int32_t CProcessGroup::SetHostWord(std::uint32_t typeID, std::int32_t processID, std::int32_t word)
{
    return GetProcessType(typeID)->SetHostWord(processID, word);
}

std::int32_t CProcessGroup::SetPlugInSpec(std::uint32_t typeID, std::int32_t processID, SHostPlugInSpec* record)
{
    return GetProcessType(typeID)->SetViewSettings(processID, record);
}

std::int32_t CProcessGroup::GetPlugInSpec(std::uint32_t typeID, std::int32_t processID, SHostPlugInSpec* record)
{
    return GetProcessType(typeID)->GetViewSettings(processID, record);
}

std::int32_t CProcessGroup::HostCall141(std::uint32_t typeID, std::int32_t processID, SHostPlugInSpec* arg3,
                                        std::int32_t arg4, std::int32_t* arg5)
{
    return GetProcessType(typeID)->HostCall141(processID, arg3, arg4, arg5);
}

std::int32_t CProcessGroup::HostCall142(std::uint32_t typeID, std::int32_t processID, SHostPlugInSpec* arg3,
                                        std::int32_t arg4, std::int32_t* arg5)
{
    return GetProcessType(typeID)->HostCall142(processID, arg3, arg4, arg5);
}

std::int32_t CProcessGroup::HostCall143(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                        std::uint8_t arg4)
{
    return GetProcessType(typeID)->HostCall143(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall151(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                        std::int32_t arg4)
{
    return GetProcessType(typeID)->HostCall151(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall152(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                        std::int32_t* arg4)
{
    return GetProcessType(typeID)->HostCall152(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall153(std::uint32_t typeID, std::int32_t processID, std::int32_t* arg3)
{
    return GetProcessType(typeID)->HostCall153(processID, arg3);
}

std::int32_t CProcessGroup::HostCall154(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                        std::int32_t arg4)
{
    return GetProcessType(typeID)->HostCall154(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall155(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                        std::int32_t* arg4)
{
    return GetProcessType(typeID)->HostCall155(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall157(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                        std::uint8_t arg4)
{
    return GetProcessType(typeID)->HostCall157(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall158(std::uint32_t typeID, std::int32_t processID, std::int32_t* arg3)
{
    return GetProcessType(typeID)->GetAOSCount(processID, arg3);
}

std::int32_t CProcessGroup::HostCall159(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                                        SHostPlugInStemInfo* arg4)
{
    return GetProcessType(typeID)->GetAOSInfo(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall168(std::uint32_t typeID, std::int32_t processID, void* arg3)
{
    return GetProcessType(typeID)->HostCall168(processID, arg3);
}

std::int32_t CProcessGroup::HostCall169(std::uint32_t typeID, std::int32_t processID, SFileList* arg3,
                                        SFileList* arg4)
{
    return GetProcessType(typeID)->HostCall169(processID, arg3, arg4);
}

std::int32_t CProcessGroup::HostCall170(std::uint32_t typeID, std::int32_t processID, SFileList* arg3,
                                        SFileList* arg4, std::uint8_t arg5)
{
    return GetProcessType(typeID)->HostCall170(processID, arg3, arg4, arg5);
}

std::int32_t CProcessGroup::HostCall173(std::uint32_t typeID, std::int32_t processID)
{
    return GetProcessType(typeID)->HostCall173(processID);
}

std::int32_t CProcessGroup::HostCall172(std::uint32_t typeID, std::int32_t processID, IEngineUnknown** arg3)
{
    return GetProcessType(typeID)->HostCall172(processID, arg3);
}
