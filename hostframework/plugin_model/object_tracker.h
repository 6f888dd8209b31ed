#pragma once

// The plug-in object model's road to the host's object tracker. The tracker is asked for through
// the host's component dispatcher and kept for the life of the module; a host that refuses it is
// never asked again, and without a tracker every call is skipped and answers 0.

#include "hostframework/plugin_model/report_record.h"
#include "hostlibs/extension/host_object_tracker.h"

#include <cstdint>

// Null while the host has none. Before the dispatcher is handed over nothing is decided, and the
// next call asks again.
IObjectTracker* GetObjectTracker();
std::int32_t TrackObject(void* object, EPlugInObjectKind kind);
std::int32_t UntrackObject(void* object);
// Flattens the record and hands it over with its sender.
std::int32_t ReportObject(void* object, CReportRecord& record);
// Drops the kept tracker and its refusal, as a fresh load of the module would.
void ForgetObjectTracker();
