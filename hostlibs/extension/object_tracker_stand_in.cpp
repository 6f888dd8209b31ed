#include "hostlibs/extension/host_extension_control.h"
#include "hostlibs/extension/host_object_tracker.h"

#include <mutex>

namespace {

// Word 4 of a data block's report: the address of its external-buffer field.
constexpr std::size_t kDataBufferFieldWord = 3;

class StandInObjectTracker final : public IObjectTracker {
public:
    std::int32_t TrackObject(void* object, std::int32_t kind) override
    {
        const Guard guard(lock);
        tracked[object] = kind;
        events.push_back({hostext::TrackerCall::track, object, kind, {}});
        return 0;
    }

    std::int32_t UntrackObject(void* object) override
    {
        const Guard guard(lock);
        const std::int32_t kind = kindOf(object);
        tracked.erase(object);
        events.push_back({hostext::TrackerCall::untrack, object, kind, {}});
        return 0;
    }

    std::int32_t ReportObject(void* object, const SFlatRecord* record) override
    {
        const Guard guard(lock);
        hostext::TrackerEvent event{hostext::TrackerCall::report, object, kindOf(object), {}};
        if (record != nullptr && record->data != nullptr)
            event.words.assign(record->data, record->data + record->size / sizeof(std::uintptr_t));
        if (event.kind == kPlugInDataObject && pendingBuffer != nullptr && event.words.size() > kDataBufferFieldWord) {
            *reinterpret_cast<void**>(event.words[kDataBufferFieldWord]) = pendingBuffer;
            pendingBuffer = nullptr;
        }
        events.push_back(std::move(event));
        return 0;
    }

    using Guard = std::lock_guard<std::mutex>;
    std::mutex lock;
    std::vector<hostext::TrackerEvent> events;
    std::map<const void*, std::int32_t> tracked;
    void* pendingBuffer = nullptr;
    std::int16_t refusal = 0;

private:
    std::int32_t kindOf(const void* object) const
    {
        const auto found = tracked.find(object);
        return found != tracked.end() ? found->second : 0;
    }
};

StandInObjectTracker& tracker()
{
    static StandInObjectTracker standIn;
    return standIn;
}

} // namespace

namespace hostext {

std::int16_t AnswerComponentRequest(std::int16_t request, ComponentRecord* component, char** parameters)
{
    const std::int16_t answer = RecordComponentRequest(request, component, parameters);
    if (request != kObjectTrackerRequest)
        return answer;
    const StandInObjectTracker::Guard guard(tracker().lock);
    if (tracker().refusal != 0)
        return tracker().refusal;
    if (parameters != nullptr)
        *reinterpret_cast<IObjectTracker**>(parameters) = &tracker();
    return 0;
}

void refuseObjectTracker(std::int16_t answer)
{
    const StandInObjectTracker::Guard guard(tracker().lock);
    tracker().refusal = answer;
}

std::vector<TrackerEvent> trackerEvents()
{
    const StandInObjectTracker::Guard guard(tracker().lock);
    return tracker().events;
}

void resetObjectTracker()
{
    const StandInObjectTracker::Guard guard(tracker().lock);
    tracker().events.clear();
    tracker().tracked.clear();
    tracker().pendingBuffer = nullptr;
    tracker().refusal = 0;
}

std::map<const void*, std::int32_t> trackedObjects()
{
    const StandInObjectTracker::Guard guard(tracker().lock);
    return tracker().tracked;
}

void installBufferOnNextDataReport(void* buffer)
{
    const StandInObjectTracker::Guard guard(tracker().lock);
    tracker().pendingBuffer = buffer;
}

} // namespace hostext
