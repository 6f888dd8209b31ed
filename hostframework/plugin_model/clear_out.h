#pragma once

// Out-values of the plug-in object model's operations: a caller may leave any of them out, so
// only the ones given are cleared.

template <typename... T>
void ClearOut(T*... outs)
{
    ((outs != nullptr ? void(*outs = T{}) : void()), ...);
}
