#pragma once

// A visible view that shows and changes one control's value. It names its control view by a
// four-character id, finds it (or makes a process control view of that id) when the tree connects,
// and joins its chain of editors; the user's gestures go through the control view to the process
// control. The ids 'NoID', 'NoId' and 'NONE' name no control: such an editor works on its own value.
// An option-click sets the control's default value and tracks nothing.

#include "hostframework/views/custom_view.h"

#include <cstdint>

class CControlView;
class CProcess;

class CControlEditor : public CCustomView {
public:
    // Leaves the chain of its control view.
    ~CControlEditor() override;

    void GetControlIndexAt(std::int32_t* out) override;
    bool IsHighlightedByHost() override;
    void GetHostHighlight(std::int16_t* colour, std::int16_t* number, const char** text) override;
    void Connect() override;
    void Disconnect() override;
    void Click(const HostEventRecord* event) override;
    // One group holding exactly the control id: -7053 when it is missing, -7400 for anything else.
    void ReadDescription(SParseState& state) override;

    virtual std::int32_t GetDefaultValue();
    virtual void SetValue(std::int32_t value);
    // Redisplay after the value changed.
    virtual void UpdateFromControl() {}
    // Places dependent views without drawing.
    virtual void UpdatePosition() {}
    // The point that marks the value: the frame's centre here.
    virtual void GetValuePoint(HostPoint* out);

    std::int32_t GetValue();
    std::int32_t GetNumSteps();
    std::int32_t StepToValue(std::int32_t step);
    std::int32_t ValueToStep(std::int32_t value);
    std::int32_t GetStep();
    void SetStep(std::int32_t step);

    // The control view of the id among the ancestors' subtrees; else a new process control view after
    // the root's last child. None for the ids that name no control, another class with the id, or a
    // root without children.
    CControlView* FindControlView();
    // -7400 with a view while one is bound; none always unbinds.
    void SetControlView(CControlView* view);
    CControlView* GetControlView() const { return controlView; }
    CControlEditor* GetNextEditor() const { return nextEditor; }
    void SetNextEditor(CControlEditor* editor) { nextEditor = editor; }
    void SetControlID(std::uint32_t id) { controlID = id; }
    std::uint32_t GetControlID() const { return controlID; }

protected:
    // The process and control position the editor is bound to; false without one.
    bool GetProcessControl(CProcess** process, std::int32_t* index) const;

private:
    std::uint32_t controlID = kNoID;
    CControlView* controlView = nullptr;
    std::int32_t ownValue = 0;
    CControlEditor* nextEditor = nullptr;
};
