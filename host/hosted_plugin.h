#pragma once

// The host's part for one instance of the plug-in library, through the library's four exports only:
// the library is opened, its group told the rate and its native kind enabled, one 'Krst' process is
// created, and each block the instance's MIDI and transport are handed to the host's engine before
// the render entry the instance's worker reported is called. The instance's views are reached through
// the host's view routines.

#include "host/library_routines.h"
#include "host/state_file.h"
#include "hostlibs/engine/host_native_render.h"
#include "hostlibs/extension/host_graphics_types.h"
#include "platform/shared_library.h"

#include <cstdint>
#include <string>
#include <vector>

namespace host {

// A MIDI message due at a frame of the render.
struct ScheduledMidi {
    std::int64_t frame;
    std::uint8_t bytes[3];
};

class HostedPlugin {
public:
    // The plug-in queues this many events per processing call and drops the rest.
    static constexpr std::size_t kPluginQueueCapacity = 250;

    // How the library is opened: by the host's WinPlugInOpen call, where the library builds no host
    // views, or by the host's engine through the procedures the library registered when it was loaded,
    // with a DSP manager that takes the instance: then the instance has its host views.
    enum class Road { plugInOpen, registration };

    HostedPlugin(const std::string& libraryPath, double sampleRate, std::int32_t blockSize,
                 Road road = Road::plugInOpen);
    ~HostedPlugin();
    HostedPlugin(const HostedPlugin&) = delete;
    HostedPlugin& operator=(const HostedPlugin&) = delete;

    // Steps `count` programs on with the down-arrow key; false when the plug-in did not take a key.
    bool stepPrograms(int count);
    // Runs the plug-in unheard past its next 8192-frame mark, where a program change completes.
    void completeProgramChange();
    // Through the parameter's host control, as the host's value for it.
    void setParameter(int index, float value);

    // The IDs of the chunks the instance declares, in the order it lists them.
    std::vector<std::uint32_t> declaredChunks();
    // Every chunk the instance declares, in the order it lists them, as it fills their records.
    std::vector<StateChunkRecord> saveState();
    // Gives the instance each chunk it declares in turn; the state's program completes at the next mark.
    // Answers the IDs of the chunks left out, which the instance does not declare.
    std::vector<std::uint32_t> loadState(const std::vector<StateChunkRecord>& chunks);

    // What a host shows of a parameter's control.
    std::string controlName(int index);
    std::string valueText(int index);
    bool isAutomatable(int index);
    float controlValue(int index);

    // The host's view routines: the view's rectangle, its port (null takes it away), where the root
    // view stands in the port, the idle, and drawing the whole view.
    HostRect viewRect();
    void setViewPort(HostPort port);
    void setViewOrigin(std::int16_t h, std::int16_t v);
    void idle();
    void drawView();

    void setTransport(bool playing, double tempoBpm);
    void setTempo(double tempoBpm) { tempo_ = tempoBpm; }

    // Renders frames into left/right, delivering the messages of `schedule` that fall due
    // (schedule is sorted by frame; `next` is advanced). Where more messages than the plug-in's queue
    // holds fall into one block, the block is split into shorter calls so that none is lost.
    void render(const std::vector<ScheduledMidi>& schedule, std::size_t& next, float* left, float* right,
                std::int32_t frames);
    std::int64_t framesRendered() const { return position_; }

private:
    using Routine = void (*)();
    Routine routineAt(std::uint32_t selector) const;
    template <ERoutine Selector>
    typename LibraryRoutine<Selector>::Type routine() const
    {
        return reinterpret_cast<typename LibraryRoutine<Selector>::Type>(routineAt(Selector));
    }
    void renderBlock(const std::vector<ScheduledMidi>& schedule, std::size_t& next, float* left, float* right,
                     std::int32_t frames);

    platform::SharedLibrary library_;
    Road road_;
    double sampleRate_;
    std::int32_t blockSize_;
    std::int32_t processID_ = 0;
    HostNativeRenderEntry entry_ = nullptr;
    SHostNativeInstance instance_{};
    std::vector<float> silence_;
    std::vector<float> replacement_;
    double tempo_ = 120.0;
    bool playing_ = false;
    double quarterNotes_ = 0.0;
    std::int64_t position_ = 0;
};

} // namespace host
