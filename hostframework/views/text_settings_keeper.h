#pragma once

// Keeps the current port's text settings (font, size, face, mode) for the time it lives, so that every
// way out of a drawing or editing step, a thrown error included, leaves the port as it found it.

#include "hostlibs/extension/host_graphics.h"

class CTextSettingsKeeper {
public:
    CTextSettingsKeeper() { HostExtGetTextSettings(&saved); }
    ~CTextSettingsKeeper()
    {
        HostExtTextFont(saved.font);
        HostExtTextSize(saved.size);
        HostExtTextFace(saved.face);
        HostExtTextMode(saved.mode);
    }
    CTextSettingsKeeper(const CTextSettingsKeeper&) = delete;
    CTextSettingsKeeper& operator=(const CTextSettingsKeeper&) = delete;

private:
    HostTextSettings saved{};
};
