#pragma once

// A stepped control shown as a row of child views, one for each step in child order: the child of the
// current step shows highlighted, and a click on a child selects its step (a drag across them with the
// skip message selects each child passed). Children beyond the control's steps take no clicks. With
// "EnableHighlight" the group frames itself in the host's colour while the host highlights the control.
// Described as "!RadioGroup[(id …)('ctrl')([\"EnableHighlight\"])]".

#include "hostframework/views/control_editor.h"

class CRadioGroupControlEditor : public CControlEditor {
public:
    void TrackMouse(const HostEventRecord* event, bool skip) override;
    // The host's highlight frame, and taking it away once the highlight ended; the children draw the rest.
    void DrawSelf(const HostRect& area) override;
    // After the control id, one group (-7053 when missing) of strings only (-7400 otherwise).
    void ReadDescription(SParseState& state) override;
    // Highlights the child of the current step alone.
    void UpdateFromControl() override;
    void UpdatePosition() override { UpdateFromControl(); }
    // The centre of the current step's child; the frame's without one.
    void GetValuePoint(HostPoint* out) override;

    // The child at the index, counting from 0; none past the last.
    CPlugInView* GetChild(std::int32_t index) const;
    CPlugInView* GetSelectedChild() const { return selectedChild; }
    bool IsHighlightFrameEnabled() const { return highlightFrameEnabled; }
    bool IsHighlightFrameShown() const { return highlightFrameShown; }

private:
    CPlugInView* selectedChild = nullptr;
    bool highlightFrameEnabled = false;
    bool highlightFrameShown = false;
};

// The creator of "RadioGroup" views; null when there is no memory for one.
CCustomView* NewRadioGroupControlEditor();
