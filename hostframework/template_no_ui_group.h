#pragma once

// This plug-in's group: its identity, the host view type of its editor window, and its one type,
// the native real-time type whose processes host the plug-in object.

#include "hostframework/effect_group_midi.h"
#include "platform/four_char_code.h"

class CTemplateNoUIGroup : public CEffectGroupMIDI {
public:
    static constexpr std::uint32_t kTypeID = FourCharCode("Krst");
    static constexpr std::uint32_t kPlugInID = FourCharCode("KrCH");

    CTemplateNoUIGroup();

    std::int32_t Initialize() override;
    void CreateProcessTypes() override;
};

// The creation routine behind NewPlugIn: the group's face, or null when it cannot be made.
CProcessGroupInterface* CreateTemplateNoUIGroup();
