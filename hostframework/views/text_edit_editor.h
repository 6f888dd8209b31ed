#pragma once

// A control editor that takes the key focus and edits through the host's text-edit record. Keys the
// control accepts go into the record; the up and down arrows, which it does not accept, step the
// control (the other way round with "reverse"). Described by one group of the control id and,
// optionally, the constant "reverse".

#include "hostframework/views/control_editor.h"
#include "hostlibs/extension/host_text.h"

class CTextEditEditor : public CControlEditor {
public:
    ~CTextEditEditor() override;

    void Deactivate() override;
    void Activate() override;
    void HandleKey(std::int16_t character, bool* handled) override;
    void EndEdit(bool accept) override;
    bool CanTakeFocus() override { return true; }
    void TrackMouse(const HostEventRecord* event, bool skip) override;
    void Idle(const HostEventRecord* event) override;
    // A text field never shows the host's highlight of its control.
    bool IsHighlightedByHost() override { return false; }
    // One group, not empty (-7053), of the control id and "reverse" only (-7400).
    void ReadDescription(SParseState& state) override;

    bool IsEditing() const { return record != nullptr; }
    bool IsReversed() const { return reverse; }

protected:
    void DisposeRecord();

    HostTextEdit record = nullptr;
    bool reverse = false;
    // Set when a typed key changed the text.
    bool edited = false;
};
