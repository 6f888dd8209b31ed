#include "hostlibs/extension/host_extension_control.h"
#include "hostlibs/extension/host_object_tracker.h"

#include <memory>
#include <mutex>

namespace {

// The first word of a record that describes its sender.
constexpr std::uintptr_t kObjectRecordWord = 1;
// Word 3 of a data block's report is its record size, word 4 the address of its external-buffer field.
constexpr std::size_t kDataSizeWord = 2;
constexpr std::size_t kDataBufferFieldWord = 3;
// A worker's report: 1, its render callback, 4, then its data set (count, members).
constexpr std::size_t kWorkerCallbackWord = 1;
constexpr std::size_t kWorkerDataSetWord = 3;
// An instance's report: 1, five identity words, then its input, output and worker sets.
constexpr std::size_t kInstanceSetsWord = 6;

// The members of the set written at `at` (its count, then the members); empty past the record's end.
std::vector<std::uintptr_t> setAt(const std::vector<std::uintptr_t>& words, std::size_t at)
{
    if (at >= words.size() || words[at] > words.size() - at - 1)
        return {};
    return {words.begin() + static_cast<std::ptrdiff_t>(at) + 1,
            words.begin() + static_cast<std::ptrdiff_t>(at + 1 + words[at])};
}

// Where the set after the one at `at` begins.
std::size_t afterSet(const std::vector<std::uintptr_t>& words, std::size_t at)
{
    return at < words.size() ? at + 1 + words[at] : words.size();
}

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
        latestReports.erase(object);
        dataBuffers.erase(object);
        events.push_back({hostext::TrackerCall::untrack, object, kind, {}});
        return 0;
    }

    std::int32_t ReportObject(void* object, const SFlatRecord* record) override
    {
        const Guard guard(lock);
        hostext::TrackerEvent event{hostext::TrackerCall::report, object, kindOf(object), {}};
        if (record != nullptr && record->data != nullptr)
            event.words.assign(record->data, record->data + record->size / sizeof(std::uintptr_t));
        if (event.kind == kPlugInDataObject && event.words.size() > kDataBufferFieldWord)
            installBuffer(object, event.words);
        // An instance also sends its phase records (2 and 3); only its object record describes it.
        const bool objectRecord = !event.words.empty() && event.words[0] == kObjectRecordWord;
        if (objectRecord && (event.kind == kPlugInWorkerObject || event.kind == kPlugInObject))
            latestReports[object] = event.words;
        events.push_back(std::move(event));
        return 0;
    }

    // As a host keeps them: a buffer per data block, which the block mirrors its record into.
    void installBuffer(const void* object, const std::vector<std::uintptr_t>& words)
    {
        auto* field = reinterpret_cast<void**>(words[kDataBufferFieldWord]);
        if (pendingBuffer != nullptr) {
            *field = pendingBuffer;
            pendingBuffer = nullptr;
            return;
        }
        if (!keepBuffers || dataBuffers.contains(object))
            return;
        auto& buffer = dataBuffers[object];
        buffer = std::make_unique<std::vector<std::uint8_t>>(words[kDataSizeWord], 0);
        *field = buffer->data();
    }

    std::vector<hostext::TrackedInstance> instances() const
    {
        std::vector<hostext::TrackedInstance> found;
        for (const auto& [object, words] : latestReports) {
            if (kindOf(object) != kPlugInObject)
                continue;
            hostext::TrackedInstance instance{object, 0, nullptr, 0};
            const std::size_t outputs = afterSet(words, kInstanceSetsWord);
            for (std::uintptr_t worker : setAt(words, afterSet(words, outputs))) {
                const auto report = latestReports.find(reinterpret_cast<const void*>(worker));
                if (report == latestReports.end() || report->second.size() <= kWorkerDataSetWord)
                    continue;
                instance.renderCallback = report->second[kWorkerCallbackWord];
                for (std::uintptr_t data : setAt(report->second, kWorkerDataSetWord)) {
                    const auto buffer = dataBuffers.find(reinterpret_cast<const void*>(data));
                    if (buffer != dataBuffers.end()) {
                        instance.data = buffer->second->data();
                        instance.dataSize = buffer->second->size();
                    }
                }
            }
            found.push_back(instance);
        }
        return found;
    }

    using Guard = std::lock_guard<std::mutex>;
    std::mutex lock;
    std::vector<hostext::TrackerEvent> events;
    std::map<const void*, std::int32_t> tracked;
    void* pendingBuffer = nullptr;
    std::int16_t refusal = 0;
    bool keepBuffers = false;
    std::map<const void*, std::vector<std::uintptr_t>> latestReports;
    std::map<const void*, std::unique_ptr<std::vector<std::uint8_t>>> dataBuffers;

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
    tracker().keepBuffers = false;
    tracker().latestReports.clear();
    tracker().dataBuffers.clear();
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

void keepDataBuffers(bool keep)
{
    const StandInObjectTracker::Guard guard(tracker().lock);
    tracker().keepBuffers = keep;
}

std::vector<TrackedInstance> trackedInstances()
{
    const StandInObjectTracker::Guard guard(tracker().lock);
    return tracker().instances();
}

} // namespace hostext
