#pragma once

#include "plugin/samples/sample_buffer.h"

#include <atomic>
#include <cstdint>

// The browser's audition of a sample file. The editor's thread publishes the
// preview buffer first and then asks for the start; the audio thread takes
// the start only at the beginning of a block, after it has taken the
// published buffers, so it never plays a buffer before it is complete, and
// a stopped preview's buffer is freed only after the audio thread has moved on.
class SamplePreview {
public:
    // Playing from the click until its end or a stop, the start not yet taken included.
    bool isPlaying() const { return state.load(std::memory_order_acquire) != kIdle; }
    // Editor's thread, after the buffer is published.
    void start() { state.store(kStarting, std::memory_order_release); }
    void stop() { state.store(kIdle, std::memory_order_release); }

    // Audio thread: asked before the block's buffers are taken.
    bool isStarting() const { return state.load(std::memory_order_acquire) == kStarting; }
    // Audio thread, after the buffers are taken: begins the buffer just taken.
    void begin(const SampleBuffer& buffer)
    {
        std::int32_t starting = kStarting;
        if (!state.compare_exchange_strong(starting, kSounding, std::memory_order_acq_rel))
            return;
        position = 0.0f;
        end = static_cast<float>(buffer.getLastFrame());
        speed = 1.0f;
    }
    bool isSounding() const { return state.load(std::memory_order_acquire) == kSounding; }
    // Audio thread, one output sample; false (and no longer playing) past the end.
    bool play(const SampleBuffer& buffer, float hostRate, float& left, float& right)
    {
        position += buffer.getRateRatio(hostRate) * speed;
        if (position <= end) {
            buffer.readInterpolated(position, left, right);
            return true;
        }
        std::int32_t sounding = kSounding;
        state.compare_exchange_strong(sounding, kIdle, std::memory_order_acq_rel);
        return false;
    }

private:
    enum : std::int32_t { kIdle, kStarting, kSounding };
    std::atomic<std::int32_t> state{kIdle};
    // The audio thread's alone while sounding.
    float position = 0.0f;
    float end = 0.0f;
    float speed = 1.0f;
};
