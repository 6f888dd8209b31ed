#include "platform/window/scripted_input.h"

#include "platform/clock.h"
#include "platform/window/input_state.h"
#include "platform/window/message_queue.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Tick counts wrap after 2^32 ms: compared by their difference.
std::int32_t ticksAfter(DWORD time, DWORD since)
{
    return static_cast<std::int32_t>(time - since);
}

} // namespace

namespace platform {

ScriptedInput& scriptedInput()
{
    static ScriptedInput script;
    return script;
}

void ScriptedInput::move(int x, int y)
{
    schedule({.kind = InputEvent::Kind::move, .point = {x, y}});
}

void ScriptedInput::press(int key)
{
    schedule({.kind = InputEvent::Kind::press, .key = key});
}

void ScriptedInput::release(int key)
{
    schedule({.kind = InputEvent::Kind::release, .key = key});
}

void ScriptedInput::wheel(int delta)
{
    schedule({.kind = InputEvent::Kind::wheel, .wheelDelta = delta});
}

void ScriptedInput::wait(DWORD milliseconds)
{
    catchUp();
    scriptTime_ += milliseconds;
    lastStep_ = scriptTime_;
}

void ScriptedInput::recordFailure(const std::string& what)
{
    ++failures_;
    lastFailure_ = what;
}

void ScriptedInput::reset()
{
    steps_.clear();
    scriptTime_ = GetTickCount();
    lastStep_ = scriptTime_;
    trippedAt_.reset();
    failures_ = 0;
    lastFailure_.clear();
}

bool ScriptedInput::pull()
{
    const DWORD now = GetTickCount();
    bool applied = false;
    while (!steps_.empty() && ticksAfter(now, steps_.front().time) >= 0) {
        InputEvent event = steps_.front().event;
        event.time = steps_.front().time;
        steps_.pop_front();
        applyInput(event);
        applied = true;
    }
    return applied;
}

void ScriptedInput::nothingNew()
{
    Sleep(1);
    watch();
}

bool ScriptedInput::waitForInput(std::optional<DWORD> deadline)
{
    const DWORD now = GetTickCount();
    std::optional<DWORD> next;
    if (!steps_.empty())
        next = steps_.front().time;
    if (deadline && (!next || ticksAfter(*deadline, *next) < 0))
        next = *deadline;
    if (!next) {
        recordFailure("GetMessageA waited with neither a scripted step nor a timer to come");
        return false;
    }
    if (ticksAfter(*next, now) > 0)
        Sleep(*next - now);
    watch();
    return true;
}

void ScriptedInput::schedule(InputEvent event)
{
    catchUp();
    steps_.push_back({scriptTime_, event});
    lastStep_ = scriptTime_;
}

void ScriptedInput::catchUp()
{
    const DWORD now = GetTickCount();
    if (ticksAfter(now, scriptTime_) > 0)
        scriptTime_ = now;
}

void ScriptedInput::watch()
{
    const DWORD now = GetTickCount();
    if (!trippedAt_) {
        if (ticksAfter(now, lastStep_) <= static_cast<std::int32_t>(kWatchdogMilliseconds))
            return;
        trippedAt_ = now;
        recordFailure("input was read for 10 s past the last scripted step");
        const window::KeyStates held = window::inputState().physical;
        for (std::size_t key = 0; key < held.size(); ++key)
            if (held[key])
                applyInput({.kind = InputEvent::Kind::release, .key = static_cast<int>(key), .time = now});
        PostQuitMessage(0);
        return;
    }
    if (ticksAfter(now, *trippedAt_) > static_cast<std::int32_t>(kWatchdogMilliseconds)) {
        std::fputs("scripted input: the program read input for 10 s more after the watchdog released every key "
                   "and button; stopping it\n",
            stderr);
        std::abort();
    }
}

} // namespace platform
