#pragma once

// A record laid out by its own declaration. While a structure is built, each field member of a
// derived class takes the structure as its owner and is placed at the record's current end, in
// declaration order and without alignment. Reading or writing a field goes through its owner, so a
// derived structure decides where the values live; this base keeps none.

#include <cstdint>

class CSmartStructure;

template <typename T>
class CSmartField {
public:
    CSmartField();
    CSmartField(const CSmartField&) = delete;
    CSmartField& operator=(const CSmartField&) = delete;

    T Get() const;
    void Set(T value) const;
    std::int32_t GetOffset() const { return offset; }

private:
    friend class CSmartStructure;

    std::int32_t offset = 0;
    CSmartStructure* owner;
};

using CSmartByte = CSmartField<std::uint8_t>;
using CSmartDouble = CSmartField<double>;
using CSmartFloat = CSmartField<float>;
using CSmartLong = CSmartField<std::int32_t>;
using CSmartULong = CSmartField<std::uint32_t>;
// Pointer-sized, for fields that carry addresses.
using CSmartPointer = CSmartField<std::uintptr_t>;

class CSmartStructure {
public:
    CSmartStructure();
    CSmartStructure(const CSmartStructure&) = delete;
    CSmartStructure& operator=(const CSmartStructure&) = delete;

    virtual ~CSmartStructure() = default;
    virtual void AddField(CSmartByte& field) { place(field); }
    virtual void AddField(CSmartDouble& field) { place(field); }
    virtual void AddField(CSmartFloat& field) { place(field); }
    virtual void AddField(CSmartLong& field) { place(field); }
    virtual void AddField(CSmartULong& field) { place(field); }
    virtual void AddField(CSmartPointer& field) { place(field); }
    virtual std::uint8_t GetField(const CSmartByte&) { return 0; }
    virtual double GetField(const CSmartDouble&) { return 0; }
    virtual float GetField(const CSmartFloat&) { return 0; }
    virtual std::int32_t GetField(const CSmartLong&) { return 0; }
    virtual std::uint32_t GetField(const CSmartULong&) { return 0; }
    virtual std::uintptr_t GetField(const CSmartPointer&) { return 0; }
    virtual void SetField(const CSmartByte&, std::uint8_t) {}
    virtual void SetField(const CSmartDouble&, double) {}
    virtual void SetField(const CSmartFloat&, float) {}
    virtual void SetField(const CSmartLong&, std::int32_t) {}
    virtual void SetField(const CSmartULong&, std::uint32_t) {}
    virtual void SetField(const CSmartPointer&, std::uintptr_t) {}

    // The record's size in bytes: the end of its last field.
    std::int32_t GetSize() const { return size; }
    // The structure whose fields are being declared.
    static CSmartStructure* UnderConstruction();

private:
    template <typename T>
    void place(CSmartField<T>& field)
    {
        field.offset = size;
        size += static_cast<std::int32_t>(sizeof(T));
    }

    std::int32_t size = 0;
};

template <typename T>
CSmartField<T>::CSmartField() : owner(CSmartStructure::UnderConstruction())
{
    owner->AddField(*this);
}

template <typename T>
T CSmartField<T>::Get() const
{
    return owner->GetField(*this);
}

template <typename T>
void CSmartField<T>::Set(T value) const
{
    owner->SetField(*this, value);
}
