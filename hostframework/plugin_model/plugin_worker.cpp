#include "hostframework/plugin_model/plugin_worker.h"

#include "hostframework/plugin_model/object_tracker.h"
#include "hostframework/plugin_model/plugin.h"

namespace {

// The worker's record announces its four sets.
constexpr std::uintptr_t kWorkerSetCount = 4;

} // namespace

CPlugInWorker::CPlugInWorker(CPlugIn& owner, PlugInRenderCallback callback, const char* name)
    : owner(&owner), callback(callback), name(name)
{
    owner.WorkerSet().Append(this);
    TrackObject(this, kPlugInWorkerObject);
}

CPlugInWorker::~CPlugInWorker()
{
    UntrackObject(this);
    owner->WorkerSet().Remove(this);
}

void CPlugInWorker::Report()
{
    CReportRecord record;
    record.AppendWord(kObjectRecord);
    record.AppendWord(reinterpret_cast<std::uintptr_t>(callback));
    record.AppendWord(kWorkerSetCount);
    record.AppendSet(dataBlocks);
    record.AppendSet(inputs);
    record.AppendSet(outputs);
    record.AppendSet(others);
    record.AppendPointer(name);
    record.AppendWord(static_cast<std::uintptr_t>(state));
    ReportObject(this, record);
}
