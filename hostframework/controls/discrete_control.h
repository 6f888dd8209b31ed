#pragma once

#include "hostframework/plugin_control.h"

#include <string>

// A control whose own value is an integer in a range.
class CPluginControl_Discrete : public CPluginControl {
public:
    CPluginControl_Discrete(std::uint32_t id, const char* name, std::int32_t minimum, std::int32_t maximum,
                            std::int32_t value, bool automatable);

    std::uint32_t GetID() override { return id; }
    std::int32_t GetValue() override;
    void SetValue(std::int32_t hostValue) override;
    std::int32_t GetNumSteps() override { return maximum - minimum + 1; }
    std::int32_t SetValueFromText(const char* text) override;
    bool IsKeyValid(std::int16_t character) override;
    void GetName(char* buffer, std::int32_t maxLength) override;
    std::int32_t GetAttributeA() override { return 0; }
    std::int32_t GetAttributeB() override { return 0; }
    std::int32_t GetAttributeC() override { return 0; }
    void GetValueText(char* text, std::int32_t maxLength, std::int32_t hostValue) override;
    bool IsAutomatable() override { return automatable; }

    std::int32_t GetMin() const { return minimum; }
    std::int32_t GetMax() const { return maximum; }
    std::int32_t GetCurrentInteger() const;
    std::int32_t IntegerToHost(std::int32_t integer) const;
    std::int32_t HostToInteger(std::int32_t hostValue) const;

protected:
    std::uint32_t id;
    std::string name;
    std::int32_t minimum;
    std::int32_t maximum;
    std::int32_t value;
    bool automatable;
};
