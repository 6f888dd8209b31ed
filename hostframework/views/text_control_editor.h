#pragma once

// A text field of a control: its child static text (id 'text') shows the control's value as text,
// and a click or the Tab key begins typing a new one over it. Return converts what was typed (its
// first 30 characters) into the control's value; Enter does too and goes on editing; Escape and a click
// elsewhere keep the value and show its text again. Described as
// "!TextEditor[(id …)('ctrl' [reverse])]" with the static text inside its frame.

#include "hostframework/views/text_edit_editor.h"
#include "platform/four_char_code.h"

class CStaticTextView;

class CTextControlEditor : public CTextEditEditor {
public:
    static constexpr std::uint32_t kTextViewID = FourCharCode("text");
    // The most characters of a typed text that are converted.
    static constexpr std::int32_t kConvertedLength = 30;

    void EndEdit(bool accept) override;
    void BeginEdit() override;
    // The children first, then the text being edited over them.
    void DrawContents(const HostRect& area) override;
    void Connect() override;
    void Disconnect() override;
    void DrawSelf(const HostRect& area) override;
    void UpdateFromControl() override;

    CStaticTextView* GetTextView() const { return textView; }

private:
    void SetEditTextSettings();

    CStaticTextView* textView = nullptr;
    HostColor savedFore{};
    HostColor savedBack{};
};

// The creator of "TextEditor" views; null when there is no memory for one.
CCustomView* NewTextControlEditor();
