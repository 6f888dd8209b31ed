#pragma once

// The input of headless runs and tests: steps queued on the clock (platform/clock.h), each applied, with
// its messages and key state, when the program reads input or the queue at or after its time. A read
// that finds nothing new moves the clock on 1 ms, and GetMessageA on an empty queue moves it on to the
// next step or timer, so that the program's loops run on without waiting: on a ManualClock, exactly the
// same way every time.
//
// The watchdog ends loops that wait for input the script never gives: when reads go on 10 s past the
// last step, it records a failure, releases every key and button held and posts WM_QUIT; when reads still
// go on 10 s after that, it stops the program. GetMessageA with neither a step nor a timer to wait for
// is a failure too. The watchdog belongs to the script as the input source: a live source that lets
// queued steps go first (platform/desktop/desktop_input.h) takes them through pull and never runs it,
// since a person may leave the program waiting as long as they like.

#include "platform/window/input_events.h"
#include "platform/window/input_source.h"

#include <deque>
#include <optional>
#include <string>

namespace platform {

class ScriptedInput : public InputSource {
public:
    static constexpr DWORD kWatchdogMilliseconds = 10000;

    // Steps. Each takes the script's time, which waits move on; a script behind the clock first catches
    // up with it.
    // The pointer to a screen position.
    void move(int x, int y);
    // A key or mouse button (platform/window/virtual_keys.h) goes down or up.
    void press(int key);
    void release(int key);
    // A wheel turn at the pointer, WHEEL_DELTA a notch, away from the user positive.
    void wheel(int delta);
    void wait(DWORD milliseconds);

    // Every step is applied.
    bool finished() const { return steps_.empty(); }
    // When the next step is due; nothing once every step is applied.
    std::optional<DWORD> nextStep() const
    {
        return steps_.empty() ? std::nullopt : std::optional<DWORD>(steps_.front().time);
    }
    unsigned failures() const { return failures_; }
    const std::string& lastFailure() const { return lastFailure_; }
    void recordFailure(const std::string& what);
    // No steps, no failures; the script's time and the watchdog start from now.
    void reset();

    bool pull() override;
    void nothingNew() override;
    bool waitForInput(std::optional<DWORD> deadline) override;

private:
    struct Step {
        DWORD time;
        InputEvent event;
    };

    void schedule(InputEvent event);
    void catchUp();
    void watch();

    std::deque<Step> steps_;
    DWORD scriptTime_ = 0;
    DWORD lastStep_ = 0;
    std::optional<DWORD> trippedAt_;
    unsigned failures_ = 0;
    std::string lastFailure_;
};

ScriptedInput& scriptedInput();

} // namespace platform
