#pragma once

// The host-side view that stands for the plug-in's editor window in the host's view tree ("NoUIView").
// It draws nothing of its own: the editor's child window lies over it. It holds the editor host whose
// window it stands for.

#include "hostframework/views/custom_view.h"

class ITemplateCustomUI;

class CTemplateNoUIView : public CCustomView {
public:
    virtual void SetEditorHost(ITemplateCustomUI* host) { editorHost = host; }
    ITemplateCustomUI* GetEditorHost() const { return editorHost; }

private:
    ITemplateCustomUI* editorHost = nullptr;
};

// The creator of "NoUIView" views; null when there is no memory for one.
CCustomView* NewTemplateNoUIView();
