#pragma once

// A fixture for tests of windows: it starts each test with the window stand-in reset and a manual clock,
// and fails a test that left windows behind or whose scripted input failed (unless it said it meant to),
// besides what the GDI fixture checks. Windows of its recording class log every message they receive.

#include "platform/clock.h"
#include "platform/window/cursors.h"
#include "platform/window/focus.h"
#include "platform/window/input_state.h"
#include "platform/window/keyboard_layout.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/painting.h"
#include "platform/window/scripted_input.h"
#include "platform/window/system_colours.h"
#include "platform/window/system_metrics.h"
#include "platform/window/timers.h"
#include "platform/window/ui_thread.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_data.h"
#include "platform/window/window_layout.h"
#include "platform/window/window_lifetime.h"
#include "platform/window/window_procedures.h"
#include "platform/window/window_styles.h"
#include "platform/window/window_testing.h"
#include "tests/support/gdi_checked_test.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace kravo::test {

struct Delivery {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class WindowTest : public GdiCheckedTest {
protected:
    static constexpr DWORD kStartTicks = 100000;
    static constexpr const char* kRecordingClass = "KravoRecording";

    void SetUp() override
    {
        GdiCheckedTest::SetUp();
        platform::setClock(&clock_);
        platform::resetWindowSystem();
        platform::setUserInterfaceThread();
        current_ = this;
    }

    void TearDown() override
    {
        EXPECT_EQ(platform::windowCount(), 0u) << "windows were left behind";
        EXPECT_EQ(script().failures(), expectedFailures_) << "scripted input: " << script().lastFailure();
        GdiCheckedTest::TearDown();
        platform::resetWindowSystem();
        platform::setClock(nullptr);
        current_ = nullptr;
    }

    platform::ScriptedInput& script() { return platform::scriptedInput(); }
    platform::ManualClock& clock() { return clock_; }
    void expectScriptFailures(unsigned count) { expectedFailures_ = count; }

    // Pumps messages until every scripted step is applied and its messages are handled.
    void runScript()
    {
        for (int pass = 0; pass < 100000 && !script().finished(); ++pass)
            platform::pumpMessages();
        platform::pumpMessages();
        EXPECT_TRUE(script().finished());
    }

    // A class whose procedure logs each message in `deliveries`, then answers with `answer` when it
    // gives a result, else with DefWindowProcA.
    ATOM registerRecordingClass(UINT style = 0, HBRUSH background = nullptr, const char* name = kRecordingClass)
    {
        const WNDCLASSA description{.style = style,
            .windowProc = &recordingProcedure,
            .classExtraBytes = 0,
            .windowExtraBytes = 0,
            .instance = nullptr,
            .icon = nullptr,
            .cursor = LoadCursorA(nullptr, IDC_ARROW),
            .background = background,
            .menuName = nullptr,
            .className = name};
        return RegisterClassA(&description);
    }

    // A top-level window without a parent, else a child; on the screen or in the parent at the rectangle.
    HWND makeWindow(HWND parent, RECT rect, DWORD style = WS_VISIBLE, const char* className = kRecordingClass)
    {
        return CreateWindowExA(0, className, "", style | (parent != nullptr ? WS_CHILD : 0), rect.left, rect.top,
            rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, nullptr, nullptr);
    }

    int count(UINT message, HWND window = nullptr) const
    {
        return static_cast<int>(std::count_if(deliveries.begin(), deliveries.end(), [&](const Delivery& delivery) {
            return delivery.message == message && (window == nullptr || delivery.window == window);
        }));
    }

    // The last delivery of the message; all zeros when there was none.
    Delivery last(UINT message) const
    {
        const auto found = std::find_if(deliveries.rbegin(), deliveries.rend(),
            [message](const Delivery& delivery) { return delivery.message == message; });
        return found != deliveries.rend() ? *found : Delivery{};
    }

    void expectWindowPicture(HWND window, const platform::Image& expected)
    {
        const auto actual = platform::captureWindow(window);
        ASSERT_TRUE(actual.has_value());
        expectSamePicture(*actual, expected);
    }

    std::vector<Delivery> deliveries;
    std::function<std::optional<LRESULT>(const Delivery&)> answer;

private:
    static LRESULT recordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        const Delivery delivery{window, message, wParam, lParam};
        current_->deliveries.push_back(delivery);
        if (current_->answer)
            if (const std::optional<LRESULT> result = current_->answer(delivery))
                return *result;
        return DefWindowProcA(window, message, wParam, lParam);
    }

    inline static WindowTest* current_ = nullptr;
    platform::ManualClock clock_{kStartTicks};
    unsigned expectedFailures_ = 0;
};

} // namespace kravo::test
