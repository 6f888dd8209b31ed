#include "hostframework/plugin_model/plugin.h"
#include "hostframework/plugin_model/plugin_data.h"
#include "hostframework/plugin_model/plugin_port.h"
#include "hostframework/plugin_model/plugin_worker.h"
#include "hostframework/plugin_model/sn_plugin_control.h"
#include "tests/hostframework/plugin_model/tracked_model.h"

#include <map>

namespace {

using namespace kravo::test;

class ObjectTracker : public TrackedModel {};

const SPlugInID kID{{1, 2, 3, 4, 5}};

int silentRequests = 0;

// A host that says yes to everything but hands out nothing.
std::int16_t AnswerWithoutTracker(std::int16_t, ComponentRecord*, char**)
{
    ++silentRequests;
    return 0;
}

TEST_F(ObjectTracker, ARefusalIsFinal)
{
    hostext::refuseObjectTracker(-5);
    {
        CPlugIn first(kID);
        CPlugIn second(kID);
        first.ReportState();
    }
    hostext::refuseObjectTracker(0);
    CPlugIn third(kID);
    EXPECT_EQ(trackerRequests(), 1);
    EXPECT_TRUE(hostext::trackerEvents().empty());
    EXPECT_EQ(GetObjectTracker(), nullptr);

    ForgetObjectTracker();
    silentRequests = 0;
    host.HostCall14(&AnswerWithoutTracker);
    CPlugIn fourth(kID);
    CPlugIn fifth(kID);
    EXPECT_EQ(silentRequests, 1);
}

TEST_F(ObjectTracker, WithoutADispatcherTheNextCallAsksAgain)
{
    host.HostCall14(nullptr);
    {
        CPlugIn early(kID);
        EXPECT_EQ(GetObjectTracker(), nullptr);
    }
    host.HostCall14(&hostext::AnswerComponentRequest);
    CPlugIn later(kID);
    EXPECT_EQ(trackerRequests(), 1);
    EXPECT_EQ(hostext::trackedObjects(), (std::map<const void*, std::int32_t>{{&later, 3}}));
}

struct OneField : CPlugInData {
    CSmartLong field;
};

TEST_F(ObjectTracker, EveryObjectRegistersWithItsKindAndLeaves)
{
    {
        CPlugIn instance(kID);
        CPlugInInput input(instance, 0);
        CPlugInOutput output(instance, 0);
        CSNPlugInControl control(instance);
        CPlugInWorker worker(instance, nullptr, "worker");
        OneField data;
        EXPECT_EQ(hostext::trackedObjects(),
                  (std::map<const void*, std::int32_t>{{&instance, 3}, {&input, 4}, {&output, 5}, {&control, 6},
                                                       {&worker, 7}, {&data, 8}}));
        EXPECT_EQ(instance.GetNumControls(), 1);
        EXPECT_EQ(instance.GetControl(1), &control);
    }
    EXPECT_TRUE(hostext::trackedObjects().empty());
    EXPECT_EQ(trackerRequests(), 1);
}

} // namespace
