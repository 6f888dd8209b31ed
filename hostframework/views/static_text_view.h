#pragma once

// A text shown in the host's fonts inside a view's frame, aligned left, right or centred. Described
// as "!StaticText[(id …)(alignment "text" …)]": the second group's strings are joined into the text.
// A subclass that takes the key focus edits the text in place through a text-edit record; Return
// keeps what was typed, Escape the text from before.

#include "hostframework/views/custom_view.h"
#include "hostlibs/extension/host_text.h"

#include <cstdint>
#include <string_view>

class CStaticTextView : public CCustomView {
public:
    // The alignments a description gives.
    static constexpr std::int16_t kAlignLeft = -2;
    static constexpr std::int16_t kAlignRight = kHostAlignRight;
    static constexpr std::int16_t kAlignCentre = kHostAlignCentre;
    static constexpr std::int16_t kAlignDefault = 0;

    ~CStaticTextView() override;

    void Deactivate() override;
    void Activate() override;
    void HandleKey(std::int16_t character, bool* handled) override;
    void EndEdit(bool accept) override;
    void BeginEdit() override;
    bool CanTakeFocus() override { return false; }
    void TrackMouse(const HostEventRecord* event, bool skip) override;
    void Idle(const HostEventRecord* event) override;
    void GetForeColor(HostColor* out) override;
    void DrawSelf(const HostRect& area) override;
    // A second group must follow the first (-7053); it holds alignments and strings only (-7400).
    void ReadDescription(SParseState& state) override;

    virtual std::int16_t GetTextFont() { return 3; }
    virtual std::int16_t GetTextSize() { return 9; }
    virtual std::int16_t GetTextFace() { return 0; }
    // Where the text sits in the rectangle: its line centred when the rectangle is taller than one.
    virtual void GetTextRect(HostRect* rect);
    // The clipboard's text, at most 255 characters; empty when it holds none.
    virtual void GetScrapText(std::uint8_t* out);
    virtual void DrawText();
    // Boxed text when the rectangle holds a line; else one line cut to the rectangle's width.
    virtual void DrawTextLines(const char* text, std::int16_t length, const HostRect& rect, std::int16_t alignment);

    // Length-prefixed; a text equal to the current one draws nothing. Texts are cut at 255 characters.
    void SetText(const std::uint8_t* newText);
    void SetText(std::string_view newText);
    void GetText(std::uint8_t* out) const;
    void SetAlignment(std::int16_t value) { alignment = value; }
    std::int16_t GetAlignment() const { return alignment; }
    bool IsEditing() const { return record != nullptr; }
    bool TextChanged() const { return changed; }

private:
    void FreeRecord();
    void DrawRecord();

    bool changed = false;
    HostTextEdit record = nullptr;
    std::uint8_t text[256]{};
    std::int16_t alignment = kAlignDefault;
    HostColor savedFore{};
    HostColor savedBack{};
};

// The creator of "StaticText" views; null when there is no memory for one.
CCustomView* NewStaticTextView();
