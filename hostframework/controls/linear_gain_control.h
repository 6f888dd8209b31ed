#pragma once

#include "hostframework/controls/gain_control.h"
#include "hostframework/controls/linear_control.h"

// Moves in linear steps and reads as a gain: the "Mono Gain" controls of the adaptor.
class CPluginControl_LinearGain : public CPluginControl_Gain, public CPluginControl_Linear {
public:
    CPluginControl_LinearGain(std::uint32_t id, const char* name, double minimum, double maximum, double step,
                              double value, bool automatable, const SPrefixRecord* prefixFirst,
                              const SPrefixRecord* prefixLast);

    std::int32_t GetNumSteps() override { return CPluginControl_Linear::GetNumSteps(); }
    std::int32_t ContinuousToHost(double continuous) override
    {
        return CPluginControl_Linear::ContinuousToHost(continuous);
    }
    double HostToContinuous(std::int32_t hostValue) override
    {
        return CPluginControl_Linear::HostToContinuous(hostValue);
    }
    std::int32_t SetValueFromText(const char* text) override { return CPluginControl_Gain::SetValueFromText(text); }
    void GetValueText(char* text, std::int32_t maxLength, std::int32_t hostValue) override
    {
        CPluginControl_Gain::GetValueText(text, maxLength, hostValue);
    }
};
