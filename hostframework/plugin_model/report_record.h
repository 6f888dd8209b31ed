#pragma once

// The records in which the plug-in object model reports itself to the host's object tracker: a
// growing run of pointer-sized words, flattened into one buffer for the hand-over, and a reader
// for a flattened record.

#include "hostframework/plugin_model/plugin_id.h"
#include "hostframework/plugin_model/set.h"
#include "hostlibs/extension/host_object_tracker.h"

#include <cstdint>
#include <memory>
#include <vector>

class CReportRecord {
public:
    CReportRecord() = default;
    CReportRecord(const CReportRecord&) = delete;
    CReportRecord& operator=(const CReportRecord&) = delete;

    void AppendWord(std::uintptr_t value);
    template <typename T>
    void AppendPointer(T* pointer)
    {
        AppendWord(reinterpret_cast<std::uintptr_t>(pointer));
    }
    void AppendID(const SPlugInID& id);
    // A set goes as its count followed by its members in order.
    template <typename T>
    void AppendSet(const CSet<T>& set)
    {
        AppendWord(static_cast<std::uintptr_t>(set.Count()));
        for (T* member : set)
            AppendPointer(member);
    }
    std::int32_t Count() const { return static_cast<std::int32_t>(words.size()); }
    // Zero words up to the next multiple of `bytes`; a record already at a multiple gets a whole
    // group more.
    void PadTo(std::int32_t bytes);
    // The words in one buffer of the record's own, replacing the one of the last flattening.
    const SFlatRecord& Flatten();

private:
    std::vector<std::uintptr_t> words;
    std::unique_ptr<std::uintptr_t[]> flatWords;
    SFlatRecord flat;
};

class CRecordReader {
public:
    explicit CRecordReader(const SFlatRecord& record);

    // Reading past the end throws -1.
    std::uintptr_t ReadWord();
    SPlugInID ReadID();
    std::int32_t Remaining() const { return static_cast<std::int32_t>(remaining); }

private:
    std::uintptr_t remaining;
    const std::uintptr_t* current;
    const std::uintptr_t* end;
};

// The first word of a report record: an object's own record, or the opening and closing of the
// report of one instance's graph.
inline constexpr std::uintptr_t kObjectRecord = 1;
inline constexpr std::uintptr_t kReportOpens = 2;
inline constexpr std::uintptr_t kReportCloses = 3;
