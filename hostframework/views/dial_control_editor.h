#pragma once

// A round knob of a control: a grey face with a pointer from near its centre to its rim. Value 0 points
// straight up; the range sweeps 144 degrees to either side, clockwise to the maximum, or the whole
// circle with "cyclical" (minimum and maximum meeting at the bottom), counter-clockwise with "reverse".
// Dragging points the pointer at the mouse; in the linear mode (which no description asks for) the
// value follows the distance moved, up and right raising it. Described as
// "!Dial[(id …)('ctrl')([reverse] [cyclical])]".

#include "hostframework/views/control_editor.h"

class CDialControlEditor : public CControlEditor {
public:
    // The linear drag: host value per pixel, and the multipliers without and with the command key.
    static constexpr std::int64_t kLinearStep = 7146368;
    static constexpr std::int32_t kCoarseSpeed = 4;
    static constexpr std::int32_t kFineSpeed = 1;

    void TrackMouse(const HostEventRecord* event, bool skip) override;
    // The pointer's ends move with the dial.
    void OffsetBy(std::int16_t dh, std::int16_t dv) override;
    // While the user holds a dial that the host highlights, the host's colour; else the own plate
    // style's (1 and 4 have colours of their own), or the inherited one.
    void GetForeColor(HostColor* out) override;
    void DrawSelf(const HostRect& area) override;
    // After the control id, one group (-7053 when missing) of "reverse" and "cyclical" (-7400 otherwise).
    void ReadDescription(SParseState& state) override;
    // Draws the pointer again where it moved.
    void UpdateFromControl() override;
    // Marks the dial for drawing when the pointer moved, keeping the ends last drawn.
    void UpdatePosition() override;
    // The pointer's tip.
    void GetValuePoint(HostPoint* out) override;

    // The pointer's line over the face's grey, and in the dial's colour.
    virtual void ErasePointer(HostPoint inner, HostPoint outer);
    virtual void DrawPointer(HostPoint inner, HostPoint outer);

    // Where the pointer of the current value runs, from the inner end to the tip.
    void GetPointerEnds(HostPoint* inner, HostPoint* outer);
    // The value a drag to the mouse gives, from the last point and the current value.
    std::int32_t PointToValue(HostPoint mouse, HostPoint last, std::int32_t current);

    bool IsCyclical() const { return cyclical; }
    bool IsReversed() const { return reverse; }
    bool IsAngular() const { return angular; }
    void SetAngular(bool flag) { angular = flag; }
    HostPoint GetInnerEnd() const { return innerEnd; }
    HostPoint GetOuterEnd() const { return outerEnd; }

private:
    std::int32_t AngularValue(HostPoint mouse, std::int32_t current);
    std::int32_t LinearValue(HostPoint mouse, HostPoint last, std::int32_t current);

    bool cyclical = false;
    bool reverse = false;
    bool angular = true;
    HostPoint innerEnd{0, 0};
    HostPoint outerEnd{0, 0};
};

// The creator of "Dial" views; null when there is no memory for one.
CCustomView* NewDialControlEditor();
