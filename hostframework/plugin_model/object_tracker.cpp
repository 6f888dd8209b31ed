#include "hostframework/plugin_model/object_tracker.h"

#include "hostframework/process_group_interface.h"

namespace {

constinit IObjectTracker* gObjectTracker = nullptr;
constinit bool gObjectTrackerRefused = false;

} // namespace

IObjectTracker* GetObjectTracker()
{
    if (gObjectTracker != nullptr || gObjectTrackerRefused)
        return gObjectTracker;
    const ComponentDispatcher dispatcher = GetComponentDispatcher();
    if (dispatcher == nullptr)
        return nullptr;
    const std::int16_t answer = dispatcher(kObjectTrackerRequest, nullptr, reinterpret_cast<char**>(&gObjectTracker));
    if (answer != 0 || gObjectTracker == nullptr) {
        gObjectTracker = nullptr;
        gObjectTrackerRefused = true;
    }
    return gObjectTracker;
}

std::int32_t TrackObject(void* object, EPlugInObjectKind kind)
{
    IObjectTracker* tracker = GetObjectTracker();
    return tracker != nullptr ? tracker->TrackObject(object, kind) : 0;
}

std::int32_t UntrackObject(void* object)
{
    IObjectTracker* tracker = GetObjectTracker();
    return tracker != nullptr ? tracker->UntrackObject(object) : 0;
}

std::int32_t ReportObject(void* object, CReportRecord& record)
{
    IObjectTracker* tracker = GetObjectTracker();
    return tracker != nullptr ? tracker->ReportObject(object, &record.Flatten()) : 0;
}

void ForgetObjectTracker()
{
    gObjectTracker = nullptr;
    gObjectTrackerRefused = false;
}
