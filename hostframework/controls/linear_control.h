#pragma once

#include "hostframework/controls/continuous_control.h"

// A continuous control with a linear mapping; its steps are only reported to the host, values are
// not snapped to them.
class CPluginControl_Linear : public virtual CPluginControl_Continuous {
public:
    CPluginControl_Linear(std::uint32_t id, const char* name, double minimum, double maximum, double step,
                          double value, bool automatable, const SPrefixRecord* prefixFirst,
                          const SPrefixRecord* prefixLast);

    std::int32_t GetNumSteps() override { return steps; }
    std::int32_t ContinuousToHost(double continuous) override;
    double HostToContinuous(std::int32_t hostValue) override;

private:
    std::int32_t steps;
};
