#include "hostframework/plugin_library.h"
#include "hostframework/process.h"
#include "hostframework/process_group.h"
#include "tests/hostframework/views/view_test.h"

#include <functional>
#include <memory>

namespace {

using kravo::test::RecordingView;
using kravo::test::ViewTest;

// A view that stands for control 7 of its process.
class ControlSeven : public RecordingView {
public:
    using RecordingView::RecordingView;
    void GetControlIndexAt(std::int32_t* out) override { *out = 7; }
};

// A root that fails its initialisation, and tells when it is gone.
class FailingRoot : public CPlugInView {
public:
    explicit FailingRoot(bool& gone) : gone(gone) {}
    ~FailingRoot() override { gone = true; }
    void Initialize() override { throw CHostError(kHostErrUnexpected); }
    bool& gone;
};

// A process whose root view is what the test makes.
class ViewProcess : public CProcess {
public:
    std::int32_t GetNumInputs(std::int16_t* count) override { return clearOut(count); }
    std::int32_t GetNumOutputs(std::int16_t* count) override { return clearOut(count); }
    CPlugInView* CreateRootView() override { return makeRoot ? makeRoot() : nullptr; }

    std::function<CPlugInView*()> makeRoot;
};

// The host's view routines on a process with a root of 100 × 100 holding a panel that stands for
// control 7 and, inside it, a disabled label and a field that takes the focus.
class ProcessViews : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        WinPlugInOpen(72); // a refused open clears the mark: the library builds host views again
        process.makeRoot = [this] {
            auto* root = view("root", {0, 0, 100, 100});
            panel = new ControlSeven(log, "panel", {0, 0, 50, 50});
            panel->SetEnabled(true);
            root->AddSubView(panel, false);
            auto* label = view("label", {10, 10, 20, 20});
            panel->AddSubView(label, false);
            field = view("field", {30, 30, 40, 40});
            field->SetEnabled(true);
            field->takesFocus = true;
            panel->AddSubView(field, false);
            return root;
        };
    }
    void TearDown() override
    {
        CProcessGroup::SetHostViewsDisabled(false);
        process.SetViewPort(nullptr);
        process.Uninitialize();
        ViewTest::TearDown();
    }

    OpaqueGrafPtr* port() { return reinterpret_cast<OpaqueGrafPtr*>(viewPort()); }

    ViewProcess process;
    ControlSeven* panel = nullptr;
    RecordingView* field = nullptr;
};

TEST_F(ProcessViews, InitializeMakesTheRootOrFailsWithoutOne)
{
    EXPECT_EQ(process.Initialize(), 0);
    ASSERT_NE(process.GetRootView(), nullptr);
    process.Uninitialize();
    EXPECT_EQ(process.GetRootView(), nullptr);

    process.makeRoot = nullptr;
    try {
        process.Initialize();
        ADD_FAILURE() << "a process without a root view initialised";
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), -7053);
    }

    bool gone = false;
    process.makeRoot = [&gone] { return new FailingRoot(gone); };
    EXPECT_THROW(process.Initialize(), CHostError);
    EXPECT_TRUE(gone);
    EXPECT_EQ(process.GetRootView(), nullptr);
}

TEST_F(ProcessViews, WithHostViewsSuppressedThereIsNoRootAndEveryRoutineAnswers0)
{
    CProcessGroup::SetHostViewsDisabled(true);
    EXPECT_EQ(process.Initialize(), 0);
    CProcessGroup::SetHostViewsDisabled(false);
    EXPECT_EQ(process.GetRootView(), nullptr);
    Rect rect{1, 2, 3, 4};
    EXPECT_EQ(process.GetViewRect(&rect), 0);
    EXPECT_EQ(rect.bottom, 3);
    EventRecord click{1, 0, 0, {15, 15}, 0};
    EXPECT_EQ(process.HandleViewEvent(&click), 0);
    std::uint8_t handled = 5;
    EXPECT_EQ(process.HandleKeyEvent(&click, &handled), 0);
    EXPECT_EQ(handled, 0);
    EXPECT_EQ(process.DrawView(&rect), 0);
    EXPECT_EQ(process.SetViewPort(port()), 0);
    EXPECT_EQ(process.SetViewOrigin({20, 50}), 0);
    EXPECT_EQ(process.ActivateView(), 0);
    EXPECT_TRUE(log.empty());
}

TEST_F(ProcessViews, TheRootDrawsTheHostsRectangleAndMovesToTheHostsPoint)
{
    ASSERT_EQ(process.Initialize(), 0);
    CPlugInView* root = process.GetRootView();
    EXPECT_EQ(process.SetViewPort(port()), 0);
    EXPECT_EQ(root->GetPort(), panel->GetPort());
    EXPECT_NE(root->GetPort(), nullptr);
    Rect area{5, 6, 7, 8};
    log.clear();
    EXPECT_EQ(process.DrawView(&area), 0);
    EXPECT_EQ(process.DrawView(nullptr), 0);
    EXPECT_EQ(log.front(), "root Draw(5,6,7,8)");
    EXPECT_NE(std::find(log.begin(), log.end(), "root Draw"), log.end());

    // v in the low half, h in the high half: the root and everything in it move to (50, 20).
    EXPECT_EQ(process.SetViewOrigin({20, 50}), 0);
    Rect frame{};
    EXPECT_EQ(process.GetViewRect(&frame), 0);
    EXPECT_EQ(std::vector<std::int16_t>({frame.top, frame.left, frame.bottom, frame.right}),
              (std::vector<std::int16_t>{20, 50, 120, 150}));
    HostRect moved{};
    field->GetFrame(&moved);
    EXPECT_EQ(std::vector<std::int16_t>({moved.top, moved.left}), (std::vector<std::int16_t>{50, 80}));

    EXPECT_EQ(process.ActivateView(), 0);
    EXPECT_TRUE(root->IsActive());
    EXPECT_TRUE(field->IsActive());
    EXPECT_EQ(process.DeactivateView(), 0);
    EXPECT_FALSE(field->IsActive());
    EXPECT_EQ(process.SetViewPort(nullptr), 0);
    EXPECT_EQ(root->GetPort(), nullptr);
}

TEST_F(ProcessViews, OnlyAMouseDownReachesTheViewsAndKeysGoToTheFocus)
{
    ASSERT_EQ(process.Initialize(), 0);
    process.SetViewPort(port());
    process.ActivateView();
    log.clear();
    EventRecord up{2, 0, 0, {35, 35}, 0};
    EXPECT_EQ(process.HandleViewEvent(&up), 0);
    EXPECT_TRUE(log.empty());
    EventRecord down{1, 0, 0, {35, 35}, 0};
    EXPECT_EQ(process.HandleViewEvent(&down), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"field Click"}));
    EXPECT_EQ(process.GetRootView()->GetKeyFocus(), field);

    log.clear();
    EventRecord key{3, 'a', 0, {0, 0}, 0};
    std::uint8_t handled = 0;
    EXPECT_EQ(process.HandleKeyEvent(&key, &handled), 0);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"field HandleKey(97)"}));
}

TEST_F(ProcessViews, TheControlAtAPointIsThatOfTheFirstEnabledViewUpFromIt)
{
    ASSERT_EQ(process.Initialize(), 0);
    std::int32_t control = -1;
    EXPECT_EQ(process.GetControlAtPoint({15, 15}, &control), 0); // the disabled label in the panel
    EXPECT_EQ(control, 7);
    control = -1;
    EXPECT_EQ(process.GetControlAtPoint({80, 80}, &control), 0); // the root, which takes no clicks
    EXPECT_EQ(control, 0);
    control = -1;
    EXPECT_EQ(process.GetControlAtPoint({200, 200}, &control), 0); // outside every view
    EXPECT_EQ(control, 0);

    // Host views switched off after the root was made: no control is found and the root stays put.
    CProcessGroup::SetHostViewsDisabled(true);
    control = -1;
    EXPECT_EQ(process.GetControlAtPoint({15, 15}, &control), 0);
    EXPECT_EQ(control, 0);
    EXPECT_EQ(process.SetViewOrigin({20, 50}), 0);
    Rect frame{};
    process.GetViewRect(&frame);
    EXPECT_EQ(std::vector<std::int16_t>({frame.top, frame.left}), (std::vector<std::int16_t>{0, 0}));
}

} // namespace
