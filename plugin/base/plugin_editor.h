#pragma once

#include "plugin/base/plug_types.h"

#include <cstdint>

class AudioPlugin;

// The editor as the plug-in object sees it: the operations the dispatcher
// forwards and the requests the plug-in raises. The toolkit's editor derives
// from it; without one the plug-in runs headless. The base only remembers the
// window the host gives it and declines everything else.
class PluginEditor {
public:
    explicit PluginEditor(AudioPlugin* effect) : effect(effect) {}
    virtual ~PluginEditor() = default;
    PluginEditor(const PluginEditor&) = delete;
    PluginEditor& operator=(const PluginEditor&) = delete;

    virtual AudioPlugin* getEffect() { return effect; }
    virtual bool getRect(ERect** rect)
    {
        if (rect != nullptr)
            *rect = nullptr;
        return false;
    }
    // Keeps the host's window; the base builds nothing in it.
    virtual bool open(void* parentWindow) { systemWindow = parentWindow; return false; }
    virtual void close() { systemWindow = nullptr; }
    virtual bool isOpen() { return systemWindow != nullptr; }
    virtual void idle() {}
    virtual void draw(ERect* rect) { (void)rect; }
    virtual std::int32_t mouse(std::int32_t x, std::int32_t y) { (void)x; (void)y; return 0; }
    virtual std::int32_t key(std::int32_t keyValue) { (void)keyValue; return 0; }
    virtual void top() {}
    virtual void sleep() {}
    virtual bool onKeyDown(PlugKeyCode& key) { (void)key; return false; }
    virtual bool onKeyUp(PlugKeyCode& key) { (void)key; return false; }
    virtual bool onWheel(float distance) { (void)distance; return false; }
    virtual bool setKnobMode(std::int32_t mode) { (void)mode; return false; }

    // Requests of the plug-in object to its editor.
    virtual void setParameter(std::int32_t index, float value) { (void)index; (void)value; }
    virtual void trackEditedControl(std::int32_t tag) { (void)tag; }
    virtual void setVoiceLed(std::int32_t pad, bool on) { (void)pad; (void)on; }
    virtual void refreshSampleBrowser() {}

protected:
    AudioPlugin* effect;
    // The host's window while open.
    void* systemWindow = nullptr;
};
