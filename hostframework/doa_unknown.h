#pragma once

// Reference-counted objects of the host framework. An object answers the interface ids it knows and
// gives itself for the base id; its last Release destroys it.

#include <cstdint>

namespace DOA {

struct SInterfaceID {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];

    friend bool operator==(const SInterfaceID&, const SInterfaceID&) = default;
};

// {00000000-0000-0000-C000-000000000046}
inline constexpr SInterfaceID kUnknownInterfaceID{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr std::int32_t kNoSuchInterface = static_cast<std::int32_t>(0x80004002u);

class INondelegatingUnknown {
public:
    virtual std::int32_t QueryInterface(const SInterfaceID& id, void** out) = 0;
    virtual std::int32_t AddRef() = 0;
    virtual std::int32_t Release() = 0;
    virtual ~INondelegatingUnknown() = default;
};

// The plain base of the framework's interfaces.
class IUnknown {
public:
    virtual ~IUnknown() = default;
};

class CUnknown : public INondelegatingUnknown {
public:
    // outer is the object that aggregates this one; none means the object itself.
    explicit CUnknown(INondelegatingUnknown* outer = nullptr) : outer(outer != nullptr ? outer : this) {}
    CUnknown(const CUnknown&) = delete;
    CUnknown& operator=(const CUnknown&) = delete;

    std::int32_t QueryInterface(const SInterfaceID& id, void** out) override;
    std::int32_t AddRef() override;
    std::int32_t Release() override;

    INondelegatingUnknown* GetOuter() const { return outer; }

private:
    std::int32_t referenceCount = 1;
    INondelegatingUnknown* outer;
};

} // namespace DOA
