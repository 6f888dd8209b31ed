#pragma once

#include "hostframework/controls/discrete_control.h"

// Two named states, off (0) and on (1).
class CPluginControl_OnOff : public CPluginControl_Discrete {
public:
    // Without both texts the states are "On" and "Off".
    CPluginControl_OnOff(std::uint32_t id, const char* name, std::int32_t value, bool automatable,
                         const char* onText, const char* offText);

    std::int32_t GetNumSteps() override { return 2; }
    std::int32_t SetValueFromText(const char* text) override;
    bool IsKeyValid(std::int16_t character) override;
    void GetValueText(char* text, std::int32_t maxLength, std::int32_t hostValue) override;

private:
    std::string onText;
    std::string offText;
};
