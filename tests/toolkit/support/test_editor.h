#pragma once

// A bare plug-in object whose host records every callback, and a toolkit editor over it that makes its
// frame in the host's window at open, as the plug-in's own editor does.

#include "plugin/base/audio_plugin_x.h"
#include "toolkit/frame.h"
#include "toolkit/plugin_gui_editor.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace kravo::test {

struct HostCall {
    std::int32_t opcode;
    std::int32_t index;
    PlugIntPtr value;
    // The text a call hands over, if any.
    std::string text;
};

// The host side: it records every call and answers with answerFor, 0 without it.
struct EditorHost {
    std::vector<HostCall> calls;
    std::function<PlugIntPtr(const HostCall&)> answerFor;

    int count(std::int32_t opcode) const
    {
        int found = 0;
        for (const HostCall& call : calls)
            found += call.opcode == opcode ? 1 : 0;
        return found;
    }
};

inline EditorHost* editorHost = nullptr;

inline PlugIntPtr recordingEditorHost(PluginRecord*, std::int32_t opcode, std::int32_t index, PlugIntPtr value,
    void* ptr, float)
{
    HostCall call{opcode, index, value, {}};
    if (opcode == hostOpCanHostDo && ptr != nullptr)
        call.text = static_cast<const char*>(ptr);
    editorHost->calls.push_back(call);
    return editorHost->answerFor ? editorHost->answerFor(call) : 0;
}

class EditorTestPlugin : public AudioPluginX {
public:
    explicit EditorTestPlugin(EditorHost& host) : AudioPluginX(&recordingEditorHost, 1, 1) { editorHost = &host; }
    void processReplacing(float**, float**, std::int32_t) override {}
};

class TestEditor : public PluginGUIEditor {
public:
    TestEditor(AudioPluginX* effect, Toolkit::CRect frameSize) : PluginGUIEditor(effect), frameSize_(frameSize) {}
    ~TestEditor() override { close(); }

    bool open(void* window) override
    {
        PluginEditor::open(window);
        frame = new Toolkit::CFrame(frameSize_, static_cast<HWND>(window), this);
        return true;
    }
    void close() override
    {
        if (frame != nullptr)
            frame->forget();
        frame = nullptr;
        PluginEditor::close();
    }
    void idle() override
    {
        ++idles;
        PluginGUIEditor::idle();
    }

    DWORD nextPassDue() const { return lastTicks; }

    int idles = 0;

private:
    Toolkit::CRect frameSize_;
};

} // namespace kravo::test
