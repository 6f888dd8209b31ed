#pragma once

// The host's object tracker as the plug-in sees it. The host hands it out through its component
// dispatcher; every object of the plug-in object model registers with it and reports to it. Only
// the three operations, the object kinds and the record descriptor are shared with the host.

#include <cstdint>

// The kind each model object registers with.
enum EPlugInObjectKind : std::int32_t {
    kPlugInGroupObject = 1,
    kPlugInTypeObject = 2,
    kPlugInObject = 3,
    kPlugInInputObject = 4,
    kPlugInOutputObject = 5,
    kPlugInControlObject = 6,
    kPlugInWorkerObject = 7,
    kPlugInDataObject = 8,
};

// A flattened report record: pointer-sized words in the machine's byte order. The host reads it
// only during the report; the words stay the sender's.
struct SFlatRecord {
    const std::uintptr_t* data = nullptr;
    std::uintptr_t* owned = nullptr;
    std::uintptr_t size = 0; // in bytes
};

class IObjectTracker {
public:
    virtual std::int32_t TrackObject(void* object, std::int32_t kind) = 0;
    virtual std::int32_t UntrackObject(void* object) = 0;
    virtual std::int32_t ReportObject(void* object, const SFlatRecord* record) = 0;

protected:
    ~IObjectTracker() = default;
};

// The component dispatcher's request that hands out the tracker: the parameters pointer is the
// address of the plug-in's tracker pointer.
inline constexpr std::int16_t kObjectTrackerRequest = 18;
