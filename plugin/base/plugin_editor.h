#pragma once

#include "plugin/base/plug_types.h"

#include <cstdint>

class AudioPlugin;

// The editor as the plug-in object sees it: the operations the dispatcher
// forwards and the requests the plug-in raises. The real editor derives from
// it; without one the plug-in runs headless.
class PluginEditor {
public:
    explicit PluginEditor(AudioPlugin* effect) : effect(effect) {}
    virtual ~PluginEditor() = default;
    PluginEditor(const PluginEditor&) = delete;
    PluginEditor& operator=(const PluginEditor&) = delete;

    virtual bool getRect(ERect** rect) { (void)rect; return false; }
    virtual bool open(void* parentWindow) { (void)parentWindow; return false; }
    virtual void close() {}
    virtual bool isOpen() { return false; }
    virtual void idle() {}
    virtual bool onKeyDown(PlugKeyCode& key) { (void)key; return false; }
    virtual bool onKeyUp(PlugKeyCode& key) { (void)key; return false; }
    virtual bool setKnobMode(std::int32_t mode) { (void)mode; return false; }
    virtual void setParameter(std::int32_t index, float value) { (void)index; (void)value; }

    // Requests of the plug-in object to its editor.
    virtual void trackEditedControl(std::int32_t tag) { (void)tag; }
    virtual void setVoiceLed(std::int32_t pad, bool on) { (void)pad; (void)on; }
    virtual void refreshSampleBrowser() {}

protected:
    AudioPlugin* effect;
};
