#pragma once

#include "hostframework/controls/continuous_control.h"

// A continuous control whose value reads as a gain in decibels.
class CPluginControl_Gain : public virtual CPluginControl_Continuous {
public:
    CPluginControl_Gain(std::uint32_t id, const char* name, double minimum, double maximum, double value,
                        bool automatable, const SPrefixRecord* prefixFirst, const SPrefixRecord* prefixLast);

    std::int32_t SetValueFromText(const char* text) override;
    std::int32_t GetAttributeB() override { return 8; }
    void GetValueText(char* text, std::int32_t maxLength, std::int32_t hostValue) override;
};
