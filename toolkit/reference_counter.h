#pragma once

// The base of every shared toolkit object: whoever makes one holds its first reference, and the last
// forget destroys it.

#include <cstdint>

namespace Toolkit {

class CReferenceCounter {
public:
    CReferenceCounter() = default;
    CReferenceCounter(const CReferenceCounter&) = delete;
    CReferenceCounter& operator=(const CReferenceCounter&) = delete;

    virtual ~CReferenceCounter() = default;
    // The object must not be touched after the forget that drops its last reference.
    virtual void forget();
    virtual void remember();

private:
    std::int32_t referenceCount_ = 1;
};

} // namespace Toolkit
