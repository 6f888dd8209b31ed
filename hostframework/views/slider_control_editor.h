#pragma once

// A straight fader of a control: a thumb (a plate child with grip ribs across it, id 'Knob') slides
// along a groove, the minimum at the bottom (left) end and the maximum at the top (right) end, or the
// other way round with "reverse". The slider is vertical when it is higher than wide. Dragging the
// thumb moves the value by the distance the mouse went; with the command key six times the distance
// is needed. Described as "!Slider[(id …)('ctrl')([reverse])]".

#include "hostframework/views/control_editor.h"
#include "platform/four_char_code.h"

class CSliderControlEditor : public CControlEditor {
public:
    static constexpr std::uint32_t kKnobID = FourCharCode("Knob");

    // A click outside the thumb only highlights; a slider without travel ignores the drag.
    void TrackMouse(const HostEventRecord* event, bool skip) override;
    // Makes the thumb.
    void FinishInitialize() override;
    // Only a slider at the root erases, in its own grey.
    void EraseBackground(const HostRect& area) override;
    // The groove; the thumb draws itself.
    void DrawSelf(const HostRect& area) override;
    // After the control id, one group (-7053 when missing): empty or "reverse" alone (-7400 otherwise).
    void ReadDescription(SParseState& state) override;
    // Scrolls the thumb to the value, drawing what it uncovers.
    void UpdateFromControl() override;
    // Moves the thumb to the value without drawing.
    void UpdatePosition() override;
    // The thumb's centre.
    void GetValuePoint(HostPoint* out) override;

    // The thumb's place for the current value; the thumb's height (vertical) or width is kept.
    virtual void GetThumbRect(HostRect* out);
    // How many times the mouse distance the command key asks for.
    virtual std::int32_t GetFineScale() { return 6; }

    CCustomView* GetKnob() const { return knob; }
    bool IsReversed() const { return reverse; }
    // Higher than wide.
    bool IsVertical();

private:
    CCustomView* knob = nullptr;
    bool reverse = false;
    std::int16_t thumbHeight = 0;
    std::int16_t thumbWidth = 0;
};

// The creator of "Slider" views; null when there is no memory for one.
CCustomView* NewSliderControlEditor();
