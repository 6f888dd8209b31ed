#pragma once

// One value of a process as the host sees it: a signed 32-bit host value that spans the whole
// range, with names, texts and steps. The subclasses map it onto their own values.

#include <cstdint>

class CPluginControl {
public:
    CPluginControl() = default;
    CPluginControl(const CPluginControl&) = delete;
    CPluginControl& operator=(const CPluginControl&) = delete;

    virtual std::uint32_t GetID() = 0;
    // The control's own value as a host value: its default until SetValue changes it.
    virtual std::int32_t GetValue() = 0;
    virtual void SetValue(std::int32_t /*hostValue*/) {}
    virtual std::int32_t GetNumSteps() = 0;
    // The host value a typed text stands for; a text that cannot be read throws -7401.
    virtual std::int32_t SetValueFromText(const char* text) = 0;
    virtual bool IsKeyValid(std::int16_t character) = 0;
    virtual void GetName(char* name, std::int32_t maxLength) = 0;
    virtual std::int32_t GetAttributeA() = 0;
    virtual std::int32_t GetAttributeB() = 0;
    virtual std::int32_t GetAttributeC() = 0;
    virtual void GetValueText(char* text, std::int32_t maxLength, std::int32_t hostValue) = 0;
    virtual bool IsAutomatable() = 0;
    virtual ~CPluginControl() = default;

    // The value the host last stored; the process reads and writes it as the control's current value.
    std::int32_t GetHostValue() const { return hostValue; }
    void SetHostValue(std::int32_t value) { hostValue = value; }

private:
    std::int32_t hostValue = INT32_MIN;
};
