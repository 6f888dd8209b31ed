#pragma once

#include "plugin/base/plugin_editor.h"

#include <string>
#include <vector>

namespace kravo::test {

// An editor that records what the plug-in asks of it.
class RecordingEditor : public PluginEditor {
public:
    explicit RecordingEditor(AudioPlugin* plugin, bool* destroyed = nullptr)
        : PluginEditor(plugin), destroyed_(destroyed)
    {
    }
    ~RecordingEditor() override
    {
        if (destroyed_)
            *destroyed_ = true;
    }

    bool getRect(ERect** rect) override
    {
        *rect = &rect_;
        calls.push_back("getRect");
        return true;
    }
    bool open(void*) override
    {
        calls.push_back("open");
        windowOpen = true;
        return true;
    }
    void close() override
    {
        calls.push_back("close");
        windowOpen = false;
    }
    bool isOpen() override { return windowOpen; }
    void idle() override { calls.push_back("idle"); }
    bool onKeyDown(PlugKeyCode& key) override
    {
        lastKey = key;
        return handlesKeys;
    }
    bool onKeyUp(PlugKeyCode& key) override
    {
        lastKey = key;
        return handlesKeys;
    }
    bool setKnobMode(std::int32_t mode) override
    {
        knobMode = mode;
        return true;
    }
    void setParameter(std::int32_t index, float value) override { parameterUpdates.push_back({index, value}); }
    void trackEditedControl(std::int32_t tag) override { trackedControls.push_back(tag); }
    void setVoiceLed(std::int32_t pad, bool on) override { voiceLeds.push_back({pad, on}); }
    void refreshSampleBrowser() override { calls.push_back("refreshSampleBrowser"); }

    std::vector<std::string> calls;
    std::vector<std::pair<std::int32_t, float>> parameterUpdates;
    std::vector<std::int32_t> trackedControls;
    std::vector<std::pair<std::int32_t, bool>> voiceLeds;
    PlugKeyCode lastKey{};
    bool handlesKeys = false;
    bool windowOpen = false;
    std::int32_t knobMode = -1;

private:
    ERect rect_{0, 0, 100, 200};
    bool* destroyed_;
};

} // namespace kravo::test
