#pragma once

// The reference-counted faces by which the host's engine and DSP manager talk to the group, the
// process types and the processes. Each object answers its faces' ids in QueryInterface.

#include "hostframework/doa_unknown.h"

#include <cstdint>

namespace DOA {

// {E01FF6A0-3865-11D2-B4BE-B87E918E1B5A}
inline constexpr SInterfaceID kProcessGroupInterfaceID{
    0xE01FF6A0, 0x3865, 0x11D2, {0xB4, 0xBE, 0xB8, 0x7E, 0x91, 0x8E, 0x1B, 0x5A}};
// {297F5762-2366-11D2-817A-0060089A8916} and {51811C94-80D1-11D3-A4B0-006094EB6D0A}
inline constexpr SInterfaceID kProcessTypeInterfaceID{
    0x297F5762, 0x2366, 0x11D2, {0x81, 0x7A, 0x00, 0x60, 0x08, 0x9A, 0x89, 0x16}};
inline constexpr SInterfaceID kProcessType2InterfaceID{
    0x51811C94, 0x80D1, 0x11D3, {0xA4, 0xB0, 0x00, 0x60, 0x94, 0xEB, 0x6D, 0x0A}};
// {297F5760-2366-11D2-817A-0060089A8916} and {297F5761-2366-11D2-817A-0060089A8916}
inline constexpr SInterfaceID kProcessInterfaceID{
    0x297F5760, 0x2366, 0x11D2, {0x81, 0x7A, 0x00, 0x60, 0x08, 0x9A, 0x89, 0x16}};
inline constexpr SInterfaceID kProcess2InterfaceID{
    0x297F5761, 0x2366, 0x11D2, {0x81, 0x7A, 0x00, 0x60, 0x08, 0x9A, 0x89, 0x16}};

// The common start of every face.
class IReferenced : public IUnknown {
public:
    virtual std::int32_t QueryInterface(const SInterfaceID& id, void** out) = 0;
    virtual std::int32_t AddRef() = 0;
    virtual std::int32_t Release() = 0;
};

} // namespace DOA

class CProcessDSP;

class IProcessGroup : public DOA::IReferenced {
public:
    // The group's operations of routine selectors 35 and 136; never throw.
    virtual std::int32_t SafeHostCall35(std::int32_t* arg1, char** arg2) = 0;
    virtual std::int32_t SafeHostCall136(std::int16_t request, std::int32_t* flag, std::int32_t count,
                                         std::uint32_t* value) = 0;
};

class IProcessType : public DOA::IReferenced {
public:
    virtual std::int32_t ReleaseDSPInstanceSafe(CProcessDSP* instance) = 0;
    virtual std::int32_t FindFreeInstanceSafe(CProcessDSP** instance) = 0;
    virtual std::int32_t GetNameSafe(std::int32_t maxLength, char* name) = 0;
    virtual std::int32_t ReleaseIfUnused(CProcessDSP* instance) = 0;
    virtual CProcessDSP* GetFreeInstance() = 0;
    virtual void* GetGroupPart() = 0;
    virtual std::int32_t GetInterfaceTypeID(std::uint32_t* id) = 0;
    virtual std::int32_t GroupCallA(std::int32_t first, std::int32_t second) = 0;
    virtual std::int32_t GroupCallB(std::int32_t request, std::int32_t* first, std::int32_t count,
                                    std::uint32_t* second) = 0;
    virtual bool IsInstanceIdle(CProcessDSP* instance) = 0;
    virtual std::int32_t ReleaseDSPInstance(CProcessDSP* instance) = 0;
    virtual std::int32_t FindFreeInstance(CProcessDSP** instance) = 0;
};

// The type's interface in full: the group hands its shared lists through it.
class IProcessType2 : public IProcessType {
public:
    virtual void SetDSPProcessGroup(void* group) = 0;
    virtual void SetFirstList(void* list) = 0;
    virtual void SetSecondList(void* list) = 0;
    virtual void SetProcessSet(void* set) = 0;
    virtual void GetDSPCounts(std::int16_t* first, std::int16_t* second) = 0;
    virtual void GetInstanceShape(std::int32_t* a, std::int32_t* b, std::int32_t* c, std::int32_t* d) = 0;
    virtual void RenumberProcesses() = 0;
    virtual std::int32_t ReservedA() = 0;
    virtual std::int32_t GetCardAttributeValue() = 0;
    virtual std::int32_t AllocateInstance(CProcessDSP* instance) = 0;
    virtual std::int32_t CreateInstance(CProcessDSP** instance) = 0;
    virtual bool IsUsable(CProcessDSP* instance) = 0;
    virtual bool CanAddProcess(CProcessDSP* instance) = 0;
    virtual bool HasRoomA(CProcessDSP* instance) = 0;
    virtual bool HasRoomB(CProcessDSP* instance) = 0;
    // What the type's processes on the instance's DSP use of it.
    virtual void GetUsage(CProcessDSP* instance, std::int16_t* first, std::int16_t* second) = 0;
    virtual std::int32_t ReservedB() = 0;
    virtual std::int32_t ReservedC() = 0;
    virtual std::int32_t AttachInstance(CProcessDSP* instance) = 0;
    virtual std::int32_t DetachInstance(CProcessDSP* instance) = 0;
    virtual void* GetFirstList() = 0;
    virtual void* GetSecondList() = 0;
    virtual void* GetProcessSet() = 0;
    virtual std::int32_t ReservedD() = 0;
};

class IProcess : public DOA::IReferenced {
public:
    // The word the host's engine knows the process by (also the answer to routine 36's request).
    virtual std::int32_t GetProcessWord() = 0;
    virtual CProcessDSP* GetDSPObject() = 0;
    virtual std::int32_t DetachDSP() = 0;
    virtual std::int32_t AttachDSPSafe(CProcessDSP* dsp) = 0;
};

class IProcess2 : public IProcess {
public:
    virtual std::uint8_t GetProcessFlag() = 0;
    virtual std::int32_t DefaultA() = 0;
    virtual std::int32_t DSPOperationWithValue(std::int32_t value) = 0;
    virtual std::int32_t DSPOperation() = 0;
    virtual void ClearFaceWord() = 0;
    virtual void SetFaceWord(std::int32_t word) = 0;
    // The DSP chip the process runs on, and the face word.
    virtual std::int32_t GetChipNumber() = 0;
    virtual std::int32_t GetFaceWord() = 0;
    virtual std::int16_t GetPrecision() = 0;
};
