#include "hostframework/plugin_model/sn_plugin_control.h"

#include "hostframework/plugin_model/object_tracker.h"
#include "hostframework/plugin_model/plugin.h"

CSNPlugInControl::CSNPlugInControl(CPlugIn& owner) : owner(&owner)
{
    owner.ControlSet().Append(this);
    TrackObject(this, kPlugInControlObject);
}

CSNPlugInControl::~CSNPlugInControl()
{
    UntrackObject(this);
    owner->ControlSet().Remove(this);
}
