#pragma once

// The process every instance of this plug-in is: the plug-in object's host process on the host's
// native real-time path.

#include "hostframework/adaptor/template_no_ui_process.h"
#include "hostframework/effect_process_native.h"

class CTemplateNoUIProcessNative : public CTemplateNoUIProcess, public CEffectProcessNative {
public:
    void Render(float** inputs, float** outputs, std::int32_t frames) override;
    // Both halves watch control changes: the bypass for the render, parameters for the plug-in.
    void ControlValueChanged(std::int32_t control) override;
};

// The 'Krst' type's process factory.
CProcess* MakeTemplateNoUIProcessNative();
