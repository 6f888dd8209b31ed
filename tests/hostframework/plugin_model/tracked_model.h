#pragma once

// A fixture for the plug-in object model: every test starts as a freshly loaded module whose host
// has handed over the stand-in's component dispatcher, with nothing tracked or reported yet.

#include "hostframework/plugin_model/object_tracker.h"
#include "hostframework/process_group_interface.h"
#include "hostlibs/extension/host_extension_control.h"

#include <gtest/gtest.h>

#include <vector>

namespace kravo::test {

// Hands the dispatcher over as routine 14 does.
class DispatcherGroup : public CProcessGroupInterface {
public:
    std::int32_t HostCall6(std::int32_t, std::uint32_t*, std::uint32_t*, std::uint32_t*) override { return 0; }
};

class TrackedModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetHost();
        host.HostCall14(&hostext::AnswerComponentRequest);
    }
    void TearDown() override
    {
        host.HostCall14(nullptr);
        resetHost();
    }

    static std::vector<hostext::TrackerEvent> reports()
    {
        std::vector<hostext::TrackerEvent> found;
        for (const auto& event : hostext::trackerEvents()) {
            if (event.call == hostext::TrackerCall::report)
                found.push_back(event);
        }
        return found;
    }
    static int trackerRequests()
    {
        int count = 0;
        for (const auto& request : hostext::componentRequests())
            count += request.request == kObjectTrackerRequest ? 1 : 0;
        return count;
    }

    DispatcherGroup host;

private:
    static void resetHost()
    {
        ForgetObjectTracker();
        hostext::resetObjectTracker();
        hostext::forgetComponentRequests();
        hostext::setComponentAnswer(0);
    }
};

// The words of a set as a report writes them: the count, then the members.
template <typename... T>
std::vector<std::uintptr_t> setWords(T*... members)
{
    return {sizeof...(members), reinterpret_cast<std::uintptr_t>(members)...};
}

} // namespace kravo::test
