#pragma once

#include <array>
#include <atomic>
#include <cstdint>

// Pad presses of the editor, handed from the user-interface thread to the
// audio thread, which plays them before its next block: voice records are
// only ever written by the thread that renders them. One producer, one
// consumer, no lock; a press that finds the ring full is dropped.
class EditorPadRequests {
public:
    enum class Action : std::uint8_t { trigger, release };
    struct Request {
        Action action;
        std::int32_t pad;
    };

    bool push(Action action, std::int32_t pad)
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
