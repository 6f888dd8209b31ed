#pragma once

// The fixture of the control views and editors with a process: the views' fixture with host views
// not suppressed, and a process of test controls (positions 1 to 4: ids 'ct01'..'ct04', 10, 3, 128
// and 128 steps, values 100 times their position, defaults 7 times it; a text reads as its number,
// one longer than 9 characters as its length, one that begins with "9" not at all) that adopts a root
// view the test builds. `withMessaging` gives the host's messaging service to processes made after it.

#include "hostframework/process_group.h"
#include "hostframework/views/control_view.h"
#include "hostframework/views/custom_view.h"
#include "hostlibs/engine/host_engine_control.h"
#include "platform/four_char_code.h"
#include "tests/hostframework/support/test_processes.h"
#include "tests/hostframework/views/view_test.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace kravo::test {

class StepControl : public TestControl {
public:
    StepControl(std::uint32_t id, std::string name, std::int32_t value, std::int32_t steps, std::int32_t fallback)
        : TestControl(id, std::move(name), fallback), steps(steps)
    {
        SetHostValue(value);
    }
    std::int32_t GetNumSteps() override { return steps; }
    // A long text reads as its length, so that a test sees how much of it came; one that begins with
    // "9" does not read.
    std::int32_t SetValueFromText(const char* text) override
    {
        lastText = text;
        if (lastText.starts_with('9'))
            throw CHostError(kHostErrUnexpected);
        return lastText.size() > 9 ? static_cast<std::int32_t>(lastText.size()) : TestControl::SetValueFromText(text);
    }
    std::int32_t steps;
    std::string lastText;
};

class ViewProcess : public TestProcess {
public:
    ViewProcess()
    {
        const std::int32_t steps[4] = {10, 3, 128, 128};
        for (int position = 1; position <= 4; ++position) {
            std::string name = "Control ";
            name += std::to_string(position);
            AddControl(new StepControl(FourCharCode("ct00") + static_cast<std::uint32_t>(position), name,
                                       100 * position, steps[position - 1], 7 * position));
        }
    }
    ~ViewProcess() override
    {
        Uninitialize();
        delete rootView;
        rootView = nullptr;
    }
    // The root becomes the process's, connected, in place of the one the process made.
    void Adopt(CPlugInView* root)
    {
        delete rootView;
        rootView = root;
        root->Initialize();
    }
};

class ControlProcessTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        WinPlugInOpen(72); // clears the mark of WinPlugInOpen, which suppresses host views
    }

    void TearDown() override
    {
        if (process)
            process->SetViewPort(nullptr);
        process.reset();
        messagingGroup.reset();
        hostengine::resetObjectServer();
        ViewTest::TearDown();
    }

    void withMessaging()
    {
        hostengine::offerObjectServer(true);
        messagingGroup = std::make_unique<TestGroup>();
        messagingGroup->CreateObjectServer();
    }

    // A process with the root (enabled, 200 × 100), its children built from the texts "H,V,W,H[,off]:TEXT",
    // disabled with "off" (so that a click goes to the view around them).
    CCustomView* makeProcess(const std::vector<std::string>& texts)
    {
        process = std::make_unique<ViewProcess>();
        process->Initialize();
        auto* root = new CCustomView;
        root->SetFrame({0, 0, 100, 200});
        root->SetEnabled(true);
        for (const std::string& placed : texts) {
            int h = 0, v = 0, width = 0, height = 0;
            const std::size_t colon = placed.find(':');
            std::sscanf(placed.c_str(), "%d,%d,%d,%d", &h, &v, &width, &height);
            const bool enabled = placed.substr(0, colon).find("off") == std::string::npos;
            EXPECT_NE(root->AddSubViewFromText(placed.substr(colon + 1), static_cast<std::int16_t>(h),
                                               static_cast<std::int16_t>(v), static_cast<std::int16_t>(width),
                                               static_cast<std::int16_t>(height), enabled),
                      nullptr);
        }
        process->Adopt(root);
        return root;
    }

    // Gives the process a port: its control views are bound.
    HostPort attachPort()
    {
        HostPort port = viewPort({0, 0, 100, 200});
        process->SetViewPort(reinterpret_cast<OpaqueGrafPtr*>(port));
        process->GetRootView()->Activate();
        return port;
    }

    std::int32_t controlValue(std::int32_t position)
    {
        std::int32_t value = 0;
        process->GetControlValue(position, &value);
        return value;
    }

    std::unique_ptr<TestGroup> messagingGroup;
    std::unique_ptr<ViewProcess> process;
};

} // namespace kravo::test
