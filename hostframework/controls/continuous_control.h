#pragma once

#include "hostframework/controls/value_text.h"
#include "hostframework/plugin_control.h"

#include <span>
#include <string>

// A control whose own value is a double in a range, shown with a unit prefix and a unit.
class CPluginControl_Continuous : public CPluginControl {
public:
    // prefixFirst..prefixLast is the table of unit prefixes, both records included; null for none.
    CPluginControl_Continuous(std::uint32_t id, const char* name, double minimum, double maximum, double value,
                              bool automatable, const SPrefixRecord* prefixFirst, const SPrefixRecord* prefixLast);

    std::uint32_t GetID() override { return id; }
    std::int32_t GetValue() override { return ContinuousToHost(value); }
    void SetValue(std::int32_t hostValue) override { value = HostToContinuous(hostValue); }
    std::int32_t SetValueFromText(const char* text) override;
    bool IsKeyValid(std::int16_t character) override;
    void GetName(char* buffer, std::int32_t maxLength) override;
    std::int32_t GetAttributeA() override { return 0; }
    std::int32_t GetAttributeB() override { return 0; }
    std::int32_t GetAttributeC() override { return 1; }
    void GetValueText(char* text, std::int32_t maxLength, std::int32_t hostValue) override;
    bool IsAutomatable() override { return automatable; }

    virtual std::int32_t ContinuousToHost(double continuous) = 0;
    virtual double HostToContinuous(std::int32_t hostValue) = 0;

    double GetMin() const { return minimum; }
    double GetMax() const { return maximum; }
    void SetRange(double newMinimum, double newMaximum)
    {
        minimum = newMinimum;
        maximum = newMaximum;
    }
    std::int32_t GetDigits() const { return digits; }
    void SetDigits(std::int32_t newDigits) { digits = newDigits; }
    double GetCurrentValue() { return HostToContinuous(GetHostValue()); }

protected:
    std::uint32_t id;
    std::string name;
    double minimum;
    double maximum;
    double value;
    bool automatable;
    std::int32_t digits = 1;
    std::string unit;
    std::span<const SPrefixRecord> prefixes;
};
