#include "hostframework/adaptor/template_no_ui_process_native.h"

#include "plugin/base/audio_plugin.h"

#include <new>

void CTemplateNoUIProcessNative::Render(float** inputs, float** outputs, std::int32_t frames)
{
    plugIn->processReplacing(inputs, outputs, frames);
}

void CTemplateNoUIProcessNative::ControlValueChanged(std::int32_t control)
{
    CEffectProcessNative::ControlValueChanged(control);
    CTemplateNoUIProcess::ControlValueChanged(control);
}

CProcess* MakeTemplateNoUIProcessNative()
{
    return new (std::nothrow) CTemplateNoUIProcessNative();
}
