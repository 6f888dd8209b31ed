#include "hostframework/process_dsp_factory.h"

#include <stdexcept>

CProcessDSP* GetNewCProcessDSP(DshShell* /*shell*/)
{
    throw std::runtime_error("unrecognized card type in GetNewCProcessDSP()");
}
