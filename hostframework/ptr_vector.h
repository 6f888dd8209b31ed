#pragma once

#include "hostframework/host_error.h"

#include <cstdint>
#include <vector>

// An owning list of objects, numbered from 1 as the host numbers them (a process's controls).
template <typename T>
class CPtrVector {
public:
    CPtrVector() = default;
    CPtrVector(const CPtrVector&) = delete;
    CPtrVector& operator=(const CPtrVector&) = delete;
    ~CPtrVector() { DeleteAll(); }

    void Add(T* element)
    {
        ThrowIfNull(element);
        elements.push_back(element);
    }
    std::int32_t Count() const { return static_cast<std::int32_t>(elements.size()); }
    bool IsValidIndex(std::int32_t position) const { return position >= 1 && position <= Count(); }
    void CheckIndex(std::int32_t position) const
    {
        if (!IsValidIndex(position))
            throw CHostError(kHostErrBadListPosition);
    }
    T* Get(std::int32_t position) const
    {
        CheckIndex(position);
        return elements[static_cast<std::size_t>(position - 1)];
    }
    void DeleteAll()
    {
        for (T* element : elements)
            delete element;
        elements.clear();
    }

private:
    std::vector<T*> elements;
};
