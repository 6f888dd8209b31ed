#include "hostframework/plugin_model/plugin_data.h"

#include "hostframework/host_error.h"
#include "hostframework/plugin_model/object_tracker.h"

#include <cassert>
#include <cstring>
#include <new>

CPlugInData::CPlugInData()
{
    TrackObject(this, kPlugInDataObject);
}

CPlugInData::~CPlugInData()
{
    UntrackObject(this);
}

void CPlugInData::Report()
{
    const void* before = externalBuffer;
    CReportRecord record;
    record.AppendWord(kObjectRecord);
    record.AppendWord(static_cast<std::uintptr_t>(GetReportKind()));
    record.AppendWord(static_cast<std::uintptr_t>(GetSize()));
    record.AppendPointer(&externalBuffer);
    ReportObject(this, record);
    if (externalBuffer != before)
        CopyToExternal();
}

void CPlugInData::CopyToExternal()
{
    if (externalBuffer != nullptr && ownBuffer != nullptr)
        std::memcpy(externalBuffer, ownBuffer.get(), static_cast<std::size_t>(ownSize));
}

template <typename T>
T CPlugInData::read(const CSmartField<T>& field)
{
    std::uint8_t* own = ownData();
    assert(field.GetOffset() + static_cast<std::int32_t>(sizeof(T)) <= ownSize);
    T value;
    if (externalBuffer != nullptr) {
        std::memcpy(&value, static_cast<const std::uint8_t*>(externalBuffer) + field.GetOffset(), sizeof value);
        std::memcpy(own + field.GetOffset(), &value, sizeof value);
    } else {
        std::memcpy(&value, own + field.GetOffset(), sizeof value);
    }
    return value;
}

template <typename T>
void CPlugInData::write(const CSmartField<T>& field, T value)
{
    std::uint8_t* own = ownData();
    assert(field.GetOffset() + static_cast<std::int32_t>(sizeof(T)) <= ownSize);
    if (externalBuffer != nullptr)
        std::memcpy(static_cast<std::uint8_t*>(externalBuffer) + field.GetOffset(), &value, sizeof value);
    std::memcpy(own + field.GetOffset(), &value, sizeof value);
}

double CPlugInData::GetField(const CSmartDouble& field)
{
    return read(field);
}

float CPlugInData::GetField(const CSmartFloat& field)
{
    return read(field);
}

std::int32_t CPlugInData::GetField(const CSmartLong& field)
{
    return read(field);
}

std::uint32_t CPlugInData::GetField(const CSmartULong& field)
{
    return read(field);
}

std::uintptr_t CPlugInData::GetField(const CSmartPointer& field)
{
    return read(field);
}

void CPlugInData::SetField(const CSmartDouble& field, double value)
{
    write(field, value);
}

void CPlugInData::SetField(const CSmartFloat& field, float value)
{
    write(field, value);
}

void CPlugInData::SetField(const CSmartLong& field, std::int32_t value)
{
    write(field, value);
}

void CPlugInData::SetField(const CSmartULong& field, std::uint32_t value)
{
    write(field, value);
}

void CPlugInData::SetField(const CSmartPointer& field, std::uintptr_t value)
{
    write(field, value);
}

std::uint8_t* CPlugInData::ownData()
{
    if (ownBuffer == nullptr) {
        if (GetSize() == 0)
            throw CHostError(kHostErrNotSetUp);
        ownBuffer.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(GetSize())]());
        if (ownBuffer == nullptr)
            throw CHostError(kHostErrNoMemory);
        ownSize = GetSize();
    }
    return ownBuffer.get();
}
