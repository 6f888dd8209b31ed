#include "host/hosted_plugin.h"

#include "host/chunk_error_text.h"

#include "hostframework/host_records.h"
#include "hostlibs/dspmanager/dsp_manager_control.h"
#include "hostlibs/engine/host_control_value.h"
#include "hostlibs/engine/host_engine_control.h"
#include "hostlibs/extension/host_extension_control.h"
#include "hostlibs/extension/host_graphics_types.h"
#include "platform/four_char_code.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace host {

namespace {

constexpr std::uint32_t kType = FourCharCode("Krst");
constexpr std::int32_t kInterfaceVersion = 73;
constexpr std::int32_t kNativeKind = 3;
constexpr std::int32_t kMIDIInterfaceVersion = 7;
constexpr std::int32_t kFirstParameterControl = 2;
// The first "Mono Gain" control: the host writes it once its own values are in place, and only from
// then on do its writes of parameter controls reach the plug-in.
constexpr std::int32_t kFirstGainControl = 9902;
constexpr std::int32_t kFullGain = 2147483647;
constexpr std::uint32_t kDownArrow = 32031;
constexpr std::uint32_t kUpArrow = 32286;
constexpr std::int32_t kProgramChangeFrames = 8192;
constexpr double kTicksPerQuarterNote = 960000.0;
constexpr std::int32_t kBufferedInputNode = 0;
constexpr std::size_t kTextSize = 256;

// The host engine as this host runs it: no lock or messaging service, MIDI interface 7, and none of
// the native capabilities. The engine is the host's own, so it is set before the library loads.
const std::string& configureHost(const std::string& libraryPath)
{
    hostengine::offerEverything();
    hostengine::offerLockService(false);
    hostengine::offerObjectServer(false);
    hostengine::setMIDIInterfaceVersion(kMIDIInterfaceVersion);
    for (std::uint32_t capability : {5u, 38u, 41u, 48u, FourCharCode("vqta")})
        hostengine::setCapability(capability, 0);
    hostext::keepDataBuffers(true);
    return libraryPath;
}

} // namespace

HostedPlugin::Routine HostedPlugin::routineAt(std::uint32_t selector) const
{
    const auto getRoutine = reinterpret_cast<std::int32_t (*)(std::uint32_t, Routine*)>(
        library_.symbol("_PI_GetRoutineDescriptor"));
    Routine found = nullptr;
    if (getRoutine == nullptr || getRoutine(selector, &found) != 0 || found == nullptr)
        throw std::runtime_error(library_.path() + " has no routine " + std::to_string(selector));
    return found;
}

HostedPlugin::HostedPlugin(const std::string& libraryPath, double sampleRate, std::int32_t blockSize, Road road)
    : library_(configureHost(libraryPath)), road_(road), sampleRate_(sampleRate), blockSize_(blockSize),
      silence_(static_cast<std::size_t>(blockSize), 0.0f), replacement_(static_cast<std::size_t>(blockSize), 0.0f)
{
    const auto open = reinterpret_cast<std::int32_t (*)(std::int32_t)>(library_.symbol("WinPlugInOpen"));
    if (open == nullptr)
        throw std::runtime_error(libraryPath + " is not a plug-in library: it has no WinPlugInOpen");
    std::int32_t opened = 0;
    if (road == Road::plugInOpen) {
        opened = open(kInterfaceVersion);
    } else {
        if (!hostengine::hasOpenAndCloseProcs())
            throw std::runtime_error(libraryPath + " gave the host's engine no open procedure");
        dspmanager::provide(true);
        opened = hostengine::openPlugIn();
    }
    if (opened != 0)
        throw std::runtime_error(libraryPath + " did not open: code " + std::to_string(opened));
    routine<kSetComponentDispatcher>()(&hostext::AnswerComponentRequest);
    routine<kSetSampleRate>()(static_cast<std::int32_t>(sampleRate));
    routine<kEnableProcessKind>()(kNativeKind);
    if (const std::int32_t created =
            routine<kCreateProcess>()(kType, &processID_);
        created != 0)
        throw std::runtime_error("the plug-in made no instance: code " + std::to_string(created));
    routine<kSetControlValue>()(
        kType, processID_, kFirstGainControl, kFullGain);

    // The instance as its reports describe it: the render entry and the data block's fields.
    for (const hostext::TrackedInstance& instance : hostext::trackedInstances()) {
        if (instance.data == nullptr || instance.dataSize < 36)
            continue;
        std::uintptr_t process = 0;
        std::int32_t sideInputPort = 0;
        std::memcpy(&process, instance.data, sizeof process);
        std::memcpy(&instance_.inputCount, instance.data + 24, 4);
        std::memcpy(&instance_.outputCount, instance.data + 28, 4);
        std::memcpy(&sideInputPort, instance.data + 32, 4);
        instance_.process = reinterpret_cast<void*>(process);
        instance_.hasSideInput = sideInputPort != 0 ? 1 : 0;
        instance_.hasBlockLength = 1;
        entry_ = reinterpret_cast<HostNativeRenderEntry>(instance.renderCallback);
    }
    if (entry_ == nullptr)
        throw std::runtime_error("the plug-in's instance reported no render entry");
}

HostedPlugin::~HostedPlugin()
{
    routine<kDeleteProcess>()(kType, processID_);
    if (road_ == Road::registration)
        hostengine::closePlugIn();
    else if (const auto close = reinterpret_cast<std::int32_t (*)()>(library_.symbol("WinPlugInClose")))
        close();
}

bool HostedPlugin::stepPrograms(int count)
{
    const auto handleKey =
        routine<kHandleKey>();
    for (int n = 0; n < std::abs(count); ++n) {
        EventRecord key{};
        key.what = kHostKeyDownEvent;
        key.message = count > 0 ? kDownArrow : kUpArrow;
        std::uint8_t handled = 0;
        handleKey(kType, processID_, &key, &handled);
        if (handled == 0)
            return false;
    }
    return true;
}

void HostedPlugin::completeProgramChange()
{
    std::vector<float> left(static_cast<std::size_t>(blockSize_));
    std::vector<float> right(static_cast<std::size_t>(blockSize_));
    const std::vector<ScheduledMidi> none;
    std::size_t next = 0;
    for (std::int32_t done = 0; done < kProgramChangeFrames; done += blockSize_)
        renderBlock(none, next, left.data(), right.data(), std::min(blockSize_, kProgramChangeFrames - done));
    // Unheard: the render proper starts at frame 0 and quarter note 0.
    position_ = 0;
    quarterNotes_ = 0.0;
}

void HostedPlugin::setParameter(int index, float value)
{
    routine<kSetControlValue>()(
        kType, processID_, index + kFirstParameterControl, FloatToHostInteger(value, 0.0f, 1.0f));
}

std::vector<std::uint32_t> HostedPlugin::declaredChunks()
{
    std::int32_t count = 0;
    routine<kGetNumChunks>()(kType, processID_, &count);
    std::vector<std::uint32_t> ids;
    for (std::int32_t index = 1; index <= count; ++index) {
        std::uint32_t id = 0;
        routine<kGetChunkID>()(
            kType, processID_, index, &id);
        ids.push_back(id);
    }
    return ids;
}

std::vector<StateChunkRecord> HostedPlugin::saveState()
{
    const auto getChunk = routine<kGetChunk>();
    std::vector<StateChunkRecord> chunks;
    for (const std::uint32_t id : declaredChunks()) {
        std::int32_t size = 0;
        routine<kGetChunkSize>()(
            kType, processID_, id, &size);
        std::vector<std::uint8_t> record(static_cast<std::size_t>(std::max(size, 0)));
        const std::int32_t filled =
            getChunk(kType, processID_, id, reinterpret_cast<SHostPlugInChunk*>(record.data()));
        if (filled != 0)
            throw std::runtime_error("the plug-in did not give its " + chunkErrorText(id, filled));
        chunks.push_back({id, std::move(record)});
    }
    return chunks;
}

std::vector<std::uint32_t> HostedPlugin::loadState(const std::vector<StateChunkRecord>& chunks)
{
    const auto setChunk = routine<kSetChunk>();
    const std::vector<std::uint32_t> declared = declaredChunks();
    std::vector<std::uint32_t> leftOut;
    for (StateChunkRecord chunk : chunks) {
        // The instance answers success for a chunk it does not know and takes nothing from it.
        if (std::find(declared.begin(), declared.end(), chunk.id) == declared.end()) {
            leftOut.push_back(chunk.id);
            continue;
        }
        const std::int32_t taken =
            setChunk(kType, processID_, chunk.id, reinterpret_cast<SHostPlugInChunk*>(chunk.record.data()));
        if (taken != 0)
            throw std::runtime_error("the plug-in did not take " + chunkErrorText(chunk.id, taken));
    }
    completeProgramChange();
    return leftOut;
}

std::string HostedPlugin::controlName(int index)
{
    char name[kTextSize] = {};
    routine<kGetControlName>()(
        kType, processID_, index + kFirstParameterControl, name);
    return name;
}

std::string HostedPlugin::valueText(int index)
{
    std::int32_t value = 0;
    routine<kGetControlValue>()(
        kType, processID_, index + kFirstParameterControl, &value);
    char text[kTextSize] = {};
    routine<kGetControlValueText>()(kType, processID_, index + kFirstParameterControl, value, text, 31);
    return text;
}

bool HostedPlugin::isAutomatable(int index)
{
    std::int16_t automatable = 0;
    routine<kIsControlAutomatable>()(
        kType, processID_, index + kFirstParameterControl, &automatable);
    return automatable != 0;
}

float HostedPlugin::controlValue(int index)
{
    std::int32_t value = 0;
    routine<kGetControlValue>()(
        kType, processID_, index + kFirstParameterControl, &value);
    return static_cast<float>((static_cast<double>(value) + 2147483648.0) / 4294967295.0);
}

HostRect HostedPlugin::viewRect()
{
    Rect rect{};
    routine<kGetViewRect>()(kType, processID_, &rect);
    return HostRect{rect.top, rect.left, rect.bottom, rect.right};
}

void HostedPlugin::setViewPort(HostPort port)
{
    if (const std::int32_t result =
            routine<kSetViewPort>()(kType, processID_, reinterpret_cast<OpaqueGrafPtr*>(port));
        result != 0)
        throw std::runtime_error("the plug-in did not take its view port: code " + std::to_string(result));
}

void HostedPlugin::setViewOrigin(std::int16_t h, std::int16_t v)
{
    routine<kSetViewOrigin>()(kType, processID_, Point{v, h});
}

void HostedPlugin::idle()
{
    EventRecord event{};
    routine<kIdle>()(kType, processID_, &event);
}

void HostedPlugin::drawView()
{
    routine<kDrawView>()(kType, processID_, nullptr);
}

void HostedPlugin::setTransport(bool playing, double tempoBpm)
{
    playing_ = playing;
    tempo_ = tempoBpm;
}

void HostedPlugin::renderBlock(const std::vector<ScheduledMidi>& schedule, std::size_t& next, float* left,
                               float* right, std::int32_t frames)
{
    const std::int64_t blockEnd = position_ + frames;
    std::vector<hostengine::MIDIInputPacket> packets;
    // Only more messages than the queue holds on one frame are held back, to the start of the next call.
    while (next < schedule.size() && schedule[next].frame < blockEnd && packets.size() < kPluginQueueCapacity) {
        const ScheduledMidi& message = schedule[next++];
        hostengine::MIDIInputPacket packet;
        packet.sampleOffset = static_cast<std::int32_t>(std::max<std::int64_t>(0, message.frame - position_));
        std::copy(std::begin(message.bytes), std::end(message.bytes), packet.bytes);
        packets.push_back(packet);
    }
    hostengine::bufferMIDIInput(kBufferedInputNode, packets);
    hostengine::setMIDITransport(tempo_, playing_, std::llround(quarterNotes_ * kTicksPerQuarterNote));

    const std::int32_t inputs = instance_.inputCount + instance_.hasSideInput;
    std::vector<float*> cells(static_cast<std::size_t>(inputs), silence_.data());
    cells.push_back(left);
    cells.push_back(right);
    std::vector<std::vector<float>> extraOutputs;
    for (std::int32_t output = 2; output < instance_.outputCount; ++output)
        cells.push_back(extraOutputs.emplace_back(static_cast<std::size_t>(frames)).data());
    SHostNativeRender render{&instance_, cells.data()};
    SHostNativeContext context{frames, replacement_.data()};
    entry_(&render, &context);
    // An instance that failed its block points its outputs at the replacement buffer.
    float* const outputs[2] = {left, right};
    for (std::size_t k = 0; k < 2; ++k)
        if (cells[static_cast<std::size_t>(inputs) + k] != outputs[k])
            std::copy_n(cells[static_cast<std::size_t>(inputs) + k], frames, outputs[k]);

    if (playing_)
        quarterNotes_ += frames / sampleRate_ * tempo_ / 60.0;
    position_ += frames;
}

void HostedPlugin::render(const std::vector<ScheduledMidi>& schedule, std::size_t& next, float* left, float* right,
                          std::int32_t frames)
{
    for (std::int32_t done = 0; done < frames;) {
        std::int32_t n = std::min(blockSize_, frames - done);
        const std::size_t firstOverflowing = next + kPluginQueueCapacity;
        if (firstOverflowing < schedule.size() && schedule[firstOverflowing].frame < position_ + n)
            n = static_cast<std::int32_t>(std::max<std::int64_t>(1, schedule[firstOverflowing].frame - position_));
        renderBlock(schedule, next, left + done, right + done, n);
        done += n;
    }
}

} // namespace host
