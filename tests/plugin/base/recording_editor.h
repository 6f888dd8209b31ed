#pragma once

#include "plugin/base/plugin_editor.h"

#include <utility>
#include <vector>

namespace kravo::test {

// An editor that records what the plug-in asks of it.
class RecordingEditor : public PluginEditor {
public:
    explicit RecordingEditor(AudioPlugin* plugin) : PluginEditor(plugin) {}

    bool getRect(ERect** rect) override { *rect = &rect_; return true; }
    bool open(void*) override { return windowOpen = true; }
    void close() override { windowOpen = false; }
    bool isOpen() override { return windowOpen; }
    bool onKeyDown(PlugKeyCode& key) override { return recordKey(key); }
    bool onKeyUp(PlugKeyCode& key) override { return recordKey(key); }
    bool setKnobMode(std::int32_t mode) override { knobMode = mode; return true; }
    void setParameter(std::int32_t index, float value) override { parameterUpdates.push_back({index, value}); }
    void trackEditedControl(std::int32_t tag) override { trackedControls.push_back(tag); }
    void setVoiceLed(std::int32_t pad, bool on) override { voiceLeds.push_back({pad, on}); }
    void refreshSampleBrowser() override { sampleBrowserRefreshed = true; }

    std::vector<std::pair<std::int32_t, float>> parameterUpdates;
    std::vector<std::int32_t> trackedControls;
    std::vector<std::pair<std::int32_t, bool>> voiceLeds;
    PlugKeyCode lastKey{};
    bool handlesKeys = false;
    bool windowOpen = false;
    bool sampleBrowserRefreshed = false;
    std::int32_t knobMode = -1;

private:
    bool recordKey(const PlugKeyCode& key) { lastKey = key; return handlesKeys; }

    ERect rect_{0, 0, 100, 200};
};

} // namespace kravo::test
