#pragma once

// The model side of the host-side editor: an invisible view that stands for one control and owns the
// value its editors show and change. The editors hang in a chain on the view and redisplay when the
// value changes. Described after the common group by (name steps value [default]); values are host
// values, read as 16.16 fixed point where they become text. The host highlights a control through
// its view, and every view inside it sees that highlight.

#include "hostframework/views/custom_view.h"

#include <cstdint>

class CControlEditor;

class CControlView : public CCustomView {
public:
    // The editors of the chain are unbound: none keeps a pointer to a view that is gone.
    ~CControlView() override;

    bool IsHighlightedByHost() override;
    void GetHostHighlight(std::int16_t* colour, std::int16_t* number, const char** text) override;
    // The group (name steps value [default]): -7053 when it or one of its first three is missing,
    // -7400 for another kind or a fifth element.
    void ReadDescription(SParseState& state) override;

    virtual std::int32_t GetNumSteps();
    virtual std::int32_t GetDefaultValue();
    virtual std::int32_t GetValue();
    virtual void SetValue(std::int32_t newValue);
    // Length-prefixed, at most 63 characters.
    virtual void GetName(std::uint8_t* out);
    // Length-prefixed, at most maxLength characters: the whole part of the 16.16 value.
    virtual void GetValueText(std::int32_t shown, std::uint8_t* out, std::int32_t maxLength);
    // The host value the text stands for; an error code.
    virtual std::int32_t SetValueFromText(std::int32_t* out, const char* text);
    virtual void IsKeyValid(std::int16_t character, bool* valid);
    // Each redraws the editors only when what they show changed: a new text alone does not.
    virtual void SetHostHighlighted(bool flag);
    virtual void SetHostHighlight(std::int16_t colour, std::int16_t number, const char* text);

    // An editor already in a chain, or bound to a view, is left where it is.
    void AddEditor(CControlEditor* editor);
    void RemoveEditor(CControlEditor* editor);
    void RemoveAllEditors();
    void UpdateControlEditors();
    void RedrawControlEditors();
    CControlEditor* GetFirstEditor() const { return firstEditor; }

    // Steps over the whole host range; the middle step of an odd count is exactly 0.
    std::int32_t StepToValue(std::int32_t step);
    std::int32_t ValueToStep(std::int32_t hostValue);
    std::int32_t GetStep();
    void SetStep(std::int32_t step);

private:
    CControlEditor* firstEditor = nullptr;
    std::int32_t numSteps = 1;
    std::int32_t value = INT32_MIN;
    std::int32_t defaultValue = 0;
    std::uint8_t name[64]{};
    bool hostHighlighted = false;
    std::int16_t highlightColour = 0;
    std::int32_t highlightNumber = 0;
    char highlightText[256]{};
};
