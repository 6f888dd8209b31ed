#pragma once

// The data of a drag as views see it: the dropped files' names, a shell link standing for its target,
// or one text.

#include "platform/ole/data_object.h"
#include "toolkit/reference_counter.h"

#include <cstdint>
#include <memory>

namespace Toolkit {

class CDragContainer : public CReferenceCounter {
public:
    enum ItemType : std::int32_t { kFile = 0, kText = 1, kNoType = -1 };

    // Holds the data object for its own lifetime.
    explicit CDragContainer(IDataObject* data);
    ~CDragContainer() override;

    // The first item; see next.
    void* first(std::int32_t& size, std::int32_t& type);
    // The next item, a zero-terminated copy valid until the following call (size without the zero for
    // a file name, the whole memory block for a text); null when there is none.
    void* next(std::int32_t& size, std::int32_t& type);
    std::int32_t getType(std::int32_t index) const;

private:
    bool offersText() const;

    IDataObject* data;
    std::int32_t nbItems = 0;
    std::int32_t iterator = 0;
    std::unique_ptr<char[]> lastItem;
};

} // namespace Toolkit
