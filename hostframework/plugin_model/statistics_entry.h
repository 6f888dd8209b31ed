#pragma once

// A count of live objects of one sort and the highest it has reached, under the label the
// library's debugging reports show. Counted on the host's main thread only.

#include <algorithm>
#include <cstdint>

class CStatisticsEntry {
public:
    explicit CStatisticsEntry(const char* label) : label(label) {}
    CStatisticsEntry(const CStatisticsEntry&) = delete;
    CStatisticsEntry& operator=(const CStatisticsEntry&) = delete;

    void Add()
    {
        ++count;
        maximum = std::max(maximum, count);
    }
    void Remove() { --count; }

    const char* GetLabel() const { return label; }
    std::int32_t GetCount() const { return count; }
    std::int32_t GetMaximum() const { return maximum; }

private:
    const char* label;
    std::int32_t count = 0;
    std::int32_t maximum = 0;
};
