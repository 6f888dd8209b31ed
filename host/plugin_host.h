#pragma once

#include "plugin/base/plug_event_list.h"
#include "plugin/base/plug_types.h"

#include <cstdint>
#include <string>
#include <vector>

class AudioPlugin;

namespace host {

// A MIDI message due at a frame of the render.
struct ScheduledMidi {
    std::int64_t frame;
    std::uint8_t bytes[3];
};

// Plays the host adaptor's part for one plug-in instance: creates it with a
// host callback, keeps its time information, and drives it block by block
// through the record's entry points, as the real adaptor would.
class PluginHost {
public:
    static constexpr int kMaxEventsPerBlock = 2048;

    PluginHost(double sampleRate, std::int32_t blockSize);
    ~PluginHost();
    PluginHost(const PluginHost&) = delete;
    PluginHost& operator=(const PluginHost&) = delete;

    PluginRecord* record() { return record_; }
    PlugIntPtr dispatch(std::int32_t opcode, std::int32_t index = 0, PlugIntPtr value = 0, void* ptr = nullptr,
                        float opt = 0.0f);
    void setParameter(std::int32_t index, float value);
    float getParameter(std::int32_t index);

    // Selects a program and lets the plug-in complete the change before anything plays.
    void selectProgram(std::int32_t program);
    void setTransport(bool playing, double tempoBpm);
    void setTempo(double tempoBpm);

    // Renders frames into left/right, delivering the messages of `schedule`
    // that fall due (schedule is sorted by frame; `next` is advanced).
    void render(const std::vector<ScheduledMidi>& schedule, std::size_t& next, float* left, float* right,
                std::int32_t frames);

    std::int64_t framesRendered() const { return position_; }

private:
    static PlugIntPtr hostCallback(PluginRecord* effect, std::int32_t opcode, std::int32_t index, PlugIntPtr value,
                                   void* ptr, float opt);
    PlugIntPtr answer(std::int32_t opcode, std::int32_t index, PlugIntPtr value, void* ptr, float opt);
    void deliverEvents(const std::vector<ScheduledMidi>& schedule, std::size_t& next, std::int32_t frames);

    double sampleRate_;
    std::int32_t blockSize_;
    AudioPlugin* plugin_ = nullptr;
    PluginRecord* record_ = nullptr;
    PlugTimeInfo timeInfo_{};
    std::int64_t position_ = 0;
    PlugEventList events_{kMaxEventsPerBlock};
    std::vector<float> silence_;
};

} // namespace host
