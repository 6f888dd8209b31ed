#include "hostframework/plugin_model/plugin_port.h"

#include "hostframework/plugin_model/object_tracker.h"
#include "hostframework/plugin_model/plugin.h"

void CPlugInPort::Report()
{
    CReportRecord record;
    record.AppendWord(kObjectRecord);
    record.AppendPointer(owner);
    record.AppendWord(static_cast<std::uintptr_t>(position));
    ReportObject(this, record);
}

CPlugInInput::CPlugInInput(CPlugIn& owner, std::int32_t position)
    : CPlugInPort(&owner, position != 0 ? position : owner.GetNumInputs() + 1)
{
    owner.InputSet().Append(this);
    TrackObject(this, kPlugInInputObject);
}

CPlugInInput::~CPlugInInput()
{
    UntrackObject(this);
    GetOwner()->InputSet().Remove(this);
}

CPlugInOutput::CPlugInOutput(CPlugIn& owner, std::int32_t position)
    : CPlugInPort(&owner, position != 0 ? position : owner.GetNumOutputs() + 1)
{
    owner.OutputSet().Append(this);
    TrackObject(this, kPlugInOutputObject);
}

CPlugInOutput::~CPlugInOutput()
{
    UntrackObject(this);
    GetOwner()->OutputSet().Remove(this);
}
