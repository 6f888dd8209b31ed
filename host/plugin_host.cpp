#include "host/plugin_host.h"

#include "plugin/aplugin.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace host {

namespace {

constexpr std::int32_t kAnsweredBlockSize = 32;
constexpr std::int32_t kMasterVersion = 2;
constexpr std::int32_t kCurrentUniqueId = fourCharCode('K', 'r', 'C', 'H');

} // namespace

PluginHost::PluginHost(double sampleRate, std::int32_t blockSize)
    : sampleRate_(sampleRate), blockSize_(blockSize), silence_(static_cast<std::size_t>(blockSize), 0.0f)
{
    timeInfo_.sampleRate = sampleRate;
    timeInfo_.tempo = 120.0;
    timeInfo_.timeSigNumerator = 4;
    timeInfo_.timeSigDenominator = 4;
    timeInfo_.flags = plugTimeTempoValid | plugTimePpqPosValid;

    plugin_ = createEffectInstance(hostCallback);
    if (!plugin_)
        throw std::runtime_error("the plug-in could not be created");
    record_ = plugin_->getPluginRecord();
    record_->resvd1 = reinterpret_cast<PlugIntPtr>(this);
    dispatch(plugSetSampleRate, 0, 0, nullptr, static_cast<float>(sampleRate));
    dispatch(plugSetBlockSize, 0, blockSize);
    dispatch(plugMainsChanged, 0, 1);
}

PluginHost::~PluginHost()
{
    record_->dispatcher(record_, plugClose, 0, 0, nullptr, 0.0f);
}

PlugIntPtr PluginHost::dispatch(std::int32_t opcode, std::int32_t index, PlugIntPtr value, void* ptr, float opt)
{
    return record_->dispatcher(record_, opcode, index, value, ptr, opt);
}

void PluginHost::setParameter(std::int32_t index, float value)
{
    record_->setParameter(record_, index, value);
}

float PluginHost::getParameter(std::int32_t index)
{
    return record_->getParameter(record_, index);
}

// The plug-in completes a program change at its next 8192-sample mark and
// stops every voice there. Like a host that loads a project before it plays,
// the stand-in runs the plug-in that long, unheard and before the render's
// first frame, so no note of the render is cut by the change.
void PluginHost::selectProgram(std::int32_t program)
{
    constexpr std::int32_t kProgramChangeFrames = 8192;
    if (dispatch(plugGetProgram) == program)
        return;
    dispatch(plugSetProgram, 0, program);
    std::vector<float> left(static_cast<std::size_t>(blockSize_));
    std::vector<float> right(static_cast<std::size_t>(blockSize_));
    for (std::int32_t done = 0; done < kProgramChangeFrames; done += blockSize_) {
        float* inputs[2] = {silence_.data(), silence_.data()};
        float* outputs[2] = {left.data(), right.data()};
        record_->processReplacing(record_, inputs, outputs, std::min(blockSize_, kProgramChangeFrames - done));
    }
}

void PluginHost::setTransport(bool playing, double tempoBpm)
{
    if (playing)
        timeInfo_.flags |= plugTimeTransportPlaying;
    else
        timeInfo_.flags &= ~plugTimeTransportPlaying;
    timeInfo_.flags |= plugTimeTransportChanged;
    setTempo(tempoBpm);
}

void PluginHost::setTempo(double tempoBpm)
{
    timeInfo_.tempo = tempoBpm;
}

void PluginHost::deliverEvents(const std::vector<ScheduledMidi>& schedule, std::size_t& next, std::int32_t frames)
{
    const std::int64_t blockEnd = position_ + frames;
    events_.clear();
    while (next < schedule.size() && schedule[next].frame < blockEnd) {
        const ScheduledMidi& message = schedule[next];
        // Messages held back by a full block are delivered at the start of the next.
        const auto delta = static_cast<std::int32_t>(std::max<std::int64_t>(0, message.frame - position_));
        if (!events_.add(delta, message.bytes[0], message.bytes[1], message.bytes[2]))
            break;
        ++next;
    }
    if (events_.count() > 0)
        dispatch(plugProcessEvents, 0, 0, events_.list());
}

void PluginHost::render(const std::vector<ScheduledMidi>& schedule, std::size_t& next, float* left, float* right,
                        std::int32_t frames)
{
    std::int32_t done = 0;
    while (done < frames) {
        const std::int32_t n = std::min(blockSize_, frames - done);
        deliverEvents(schedule, next, n);
        float* inputs[2] = {silence_.data(), silence_.data()};
        float* outputs[2] = {left + done, right + done};
        timeInfo_.samplePos = static_cast<double>(position_);
        record_->processReplacing(record_, inputs, outputs, n);
        timeInfo_.flags &= ~plugTimeTransportChanged;
        if (timeInfo_.flags & plugTimeTransportPlaying)
            timeInfo_.ppqPos += n / sampleRate_ * timeInfo_.tempo / 60.0;
        position_ += n;
        done += n;
    }
}

PlugIntPtr PluginHost::hostCallback(PluginRecord* effect, std::int32_t opcode, std::int32_t index, PlugIntPtr value,
                                    void* ptr, float opt)
{
    auto* self = effect ? reinterpret_cast<PluginHost*>(effect->resvd1) : nullptr;
    return self ? self->answer(opcode, index, value, ptr, opt) : 0;
}

PlugIntPtr PluginHost::answer(std::int32_t opcode, std::int32_t index, PlugIntPtr value, void* ptr, float opt)
{
    (void)index;
    (void)value;
    (void)opt;
    switch (opcode) {
    case hostOpGetMasterVersion: return kMasterVersion;
    case hostOpGetCurrentUniqueId: return kCurrentUniqueId;
    case hostOpGetTimeInfo: return reinterpret_cast<PlugIntPtr>(&timeInfo_);
    case hostOpUpdateSampleRate: return static_cast<PlugIntPtr>(sampleRate_);
    case hostOpUpdateBlockSize: return kAnsweredBlockSize;
    case hostOpGetHostVendorString:
        if (ptr)
            std::strcpy(static_cast<char*>(ptr), "Vexo");
        return 0;
    case hostOpGetHostProductString:
        if (ptr)
            std::strcpy(static_cast<char*>(ptr), "Kravo");
        return 0;
    case hostOpUpdateDisplay: plugin_->getProgram(); return 0;
    default: return 0; // automate, idle, begin and end of an edit: no host controls to follow here
    }
}

} // namespace host
