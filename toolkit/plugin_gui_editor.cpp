#include "toolkit/plugin_gui_editor.h"

#include "platform/clock.h"
#include "platform/ole/ole_initialize.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "toolkit/draw_context.h"
#include "toolkit/frame.h"
#include "toolkit/process_state.h"

namespace {

// The tick count wraps every 49 days: only the distance between two counts means anything.
bool isBefore(DWORD ticks, DWORD other)
{
    return static_cast<std::int32_t>(ticks - other) < 0;
}

} // namespace

PluginGUIEditor::PluginGUIEditor(AudioPluginX* effect) : PluginEditor(effect), lastTicks(GetTickCount())
{
    effect->setEditor(this);
    OleInitialize(nullptr);
}

PluginGUIEditor::~PluginGUIEditor()
{
    OleUninitialize();
}

bool PluginGUIEditor::getRect(ERect** outRect)
{
    if (outRect == nullptr)
        return false;
    *outRect = &rect;
    return true;
}

void PluginGUIEditor::idle()
{
    if (frame != nullptr && !inIdleStuff)
        frame->idle();
}

bool PluginGUIEditor::onKeyDown(PlugKeyCode& key)
{
    return frame != nullptr && frame->onKeyDown(key) == 1;
}

bool PluginGUIEditor::onKeyUp(PlugKeyCode& key)
{
    return frame != nullptr && frame->onKeyUp(key) == 1;
}

bool PluginGUIEditor::onWheel(float distance)
{
    if (frame == nullptr)
        return false;
    Toolkit::CDrawContext context(frame, nullptr, static_cast<HWND>(systemWindow));
    Toolkit::CPoint where;
    frame->getMouseLocation(&context, where);
    return frame->onWheel(&context, where, distance);
}

bool PluginGUIEditor::setKnobMode(std::int32_t mode)
{
    Toolkit::knobMode = mode;
    return true;
}

bool PluginGUIEditor::beginEdit(std::int32_t index)
{
    return getEffect()->beginEdit(index);
}

bool PluginGUIEditor::endEdit(std::int32_t index)
{
    return getEffect()->endEdit(index);
}

void PluginGUIEditor::doIdleStuff()
{
    constexpr DWORD kPause = 4;
    // A call this much before the due time waits for a later one.
    constexpr DWORD kEarliness = 50;
    constexpr DWORD kPacing = 100;
    DWORD now = GetTickCount();
    if (isBefore(now, lastTicks)) {
        Sleep(kPause);
        now += kPause;
        if (isBefore(now, lastTicks - kEarliness))
            return;
    }
    idle();
    MSG paint{};
    if (PeekMessageA(&paint, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        DispatchMessageA(&paint);
    lastTicks = now + kPacing;
    inIdleStuff = true;
    getEffect()->masterIdle();
    inIdleStuff = false;
}
