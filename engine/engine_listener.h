#pragma once

#include <cstdint>

// What the engine tells the plug-in object: rare events, never per sample.
class EngineListener {
public:
    virtual void showVoiceActivity(std::int32_t pad, bool on) = 0;
    virtual void requestEditorRefresh() = 0;

protected:
    ~EngineListener() = default;
};
