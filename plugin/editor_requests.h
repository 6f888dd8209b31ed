#pragma once

#include <array>
#include <atomic>
#include <cstdint>

// Pad presses, pattern stops and pattern locks of the editor, handed from the
// user-interface thread to the audio thread, which carries them out before
// its next block: voice and player records are only ever written by the
// thread that renders them. One producer, one consumer, no lock; a request
// that finds the ring full is dropped.
class EditorRequests {
public:
    enum class Action : std::uint8_t { trigger, release, stopPattern, lockPatterns, unlockPatterns };
    struct Request {
        Action action;
        std::int32_t pad; // the pad; the pattern for stopPattern; the frozen copy for lockPatterns
    };

    bool push(Action action, std::int32_t pad = 0)
    {
        const std::uint32_t head = head_.load(std::memory_order_relaxed);
        if (head - tail_.load(std::memory_order_acquire) == kCapacity)
            return false;
        ring_[head % kCapacity] = {action, pad};
        head_.store(head + 1, std::memory_order_release);
        return true;
    }

    template <typename Handler>
    void drain(Handler&& handle)
    {
        std::uint32_t tail = tail_.load(std::memory_order_relaxed);
        const std::uint32_t head = head_.load(std::memory_order_acquire);
        for (; tail != head; ++tail)
            handle(ring_[tail % kCapacity]);
        tail_.store(tail, std::memory_order_release);
    }

private:
    static constexpr std::uint32_t kCapacity = 64;
    std::array<Request, kCapacity> ring_{};
    std::atomic<std::uint32_t> head_{0};
    std::atomic<std::uint32_t> tail_{0};
};
