#pragma once

// A custom data block of a plug-in instance: a laid-out record whose values live in a buffer of the
// block's own, made at first access, and, once the host's object tracker has installed one during
// a report, in the host's buffer as well. A read takes the host's value and keeps it; a write goes
// to both.

#include "hostframework/plugin_model/smart_structure.h"

#include <cstdint>
#include <memory>

class CPlugInData : public CSmartStructure {
public:
    CPlugInData();
    ~CPlugInData() override;

    using CSmartStructure::GetField;
    using CSmartStructure::SetField;
    double GetField(const CSmartDouble& field) override;
    float GetField(const CSmartFloat& field) override;
    std::int32_t GetField(const CSmartLong& field) override;
    std::uint32_t GetField(const CSmartULong& field) override;
    std::uintptr_t GetField(const CSmartPointer& field) override;
    void SetField(const CSmartDouble& field, double value) override;
    void SetField(const CSmartFloat& field, float value) override;
    void SetField(const CSmartLong& field, std::int32_t value) override;
    void SetField(const CSmartULong& field, std::uint32_t value) override;
    void SetField(const CSmartPointer& field, std::uintptr_t value) override;
    virtual std::int32_t GetReportKind() { return 0; }
    // Sends the record's size and the address through which the tracker may install its buffer;
    // a newly installed buffer receives the block's current values.
    virtual void Report();
    // Nothing while either buffer is missing.
    virtual void CopyToExternal();

private:
    template <typename T>
    T read(const CSmartField<T>& field);
    template <typename T>
    void write(const CSmartField<T>& field, T value);
    // Made at first access with the record's size: -9060 for an empty record, -9006 when it cannot
    // be allocated.
    std::uint8_t* ownData();

    // Written by the host's object tracker through the address the report gives.
    void* externalBuffer = nullptr;
    std::unique_ptr<std::uint8_t[]> ownBuffer;
    std::int32_t ownSize = 0;
};
