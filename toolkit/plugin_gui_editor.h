#pragma once

// The toolkit's editor: keeps the editor rectangle and the frame (which the derived editor creates in
// its open), hands idle, keys and wheel to the frame, brackets parameter edits through the plug-in
// object, and paces the idle work of controls that run their own mouse loops.

#include "platform/win_types.h"
#include "plugin/base/audio_plugin_x.h"
#include "plugin/base/plugin_editor.h"

#include <cstdint>

namespace Toolkit {
class CFrame;
}

class PluginGUIEditor : public PluginEditor {
public:
    // Registers itself with the plug-in object, which deletes it.
    explicit PluginGUIEditor(AudioPluginX* effect);
    ~PluginGUIEditor() override;

    AudioPluginX* getEffect() override { return static_cast<AudioPluginX*>(effect); }
    // The rectangle is all zeros until the derived editor fills it.
    bool getRect(ERect** rect) override;
    void idle() override;
    bool onKeyDown(PlugKeyCode& key) override;
    bool onKeyUp(PlugKeyCode& key) override;
    bool onWheel(float distance) override;
    bool setKnobMode(std::int32_t mode) override;

    virtual bool beginEdit(std::int32_t index);
    virtual bool endEdit(std::int32_t index);
    // Called over and over from a control's mouse loop: at most one idle pass and one host idle every
    // 100 ms, with short sleeps in between.
    virtual void doIdleStuff();

    Toolkit::CFrame* getFrame() const { return frame; }

protected:
    ERect rect{};
    // The earliest tick count of the next paced pass.
    DWORD lastTicks;
    // While the host's idle runs, the frame is not redrawn from inside it.
    bool inIdleStuff = false;
    Toolkit::CFrame* frame = nullptr;
};
