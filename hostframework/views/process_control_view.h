#pragma once

// A control view bound to one control of a process, by its position: every value operation goes to
// that control. Unbound it answers from its own fields, as any control view does. The process binds
// the views of its tree whenever it gets a port and unbinds them when it loses it.

#include "hostframework/views/control_view.h"

class CProcess;

class CProcessControlView : public CControlView {
public:
    // Serves the host's tokens and calls its installed procedure, then idles the children.
    void Idle(const HostEventRecord* event) override;
    bool IsControlView() override { return true; }
    std::int32_t GetNumSteps() override;
    std::int32_t GetDefaultValue() override;
    std::int32_t GetValue() override;
    // Stored here and sent to the process control.
    void SetValue(std::int32_t newValue) override;
    void GetValueText(std::int32_t shown, std::uint8_t* out, std::int32_t maxLength) override;
    std::int32_t SetValueFromText(std::int32_t* out, const char* text) override;
    void IsKeyValid(std::int16_t character, bool* valid) override;

    // Takes the control's value without sending it back; a null process unbinds.
    void AttachToControl(CProcess* newProcess, std::int32_t index, bool update);
    CProcess* GetProcess() const { return process; }
    std::int32_t GetControlIndex() const { return controlIndex; }

private:
    CProcess* process = nullptr;
    std::int32_t controlIndex = 0;
};

// The creator of "ProcessControl" views; null when there is no memory for one.
CCustomView* NewProcessControlView();
