#include "hostframework/process_group.h"
#include "hostframework/views/dialog_view.h"
#include "tests/hostframework/support/test_effect_process.h"
#include "tests/hostframework/views/view_test.h"

#include <memory>

namespace {

using kravo::test::TestEffectProcess;
using kravo::test::TestProcess;
using kravo::test::ViewTest;

// The library as the host's registration opens it: host views are not suppressed.
class ProcessRootViews : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        // A version the library does not take leaves it open but no longer opened by WinPlugInOpen.
        ASSERT_EQ(WinPlugInOpen(72), -1);
        ASSERT_FALSE(CProcessGroup::HostViewsDisabled());
    }
    void TearDown() override
    {
        CProcessGroup::SetHostViewsDisabled(false);
        ViewTest::TearDown();
    }
};

TEST_F(ProcessRootViews, AProcessShowsDialogOneUnlessHostViewsAreSuppressed)
{
    TestProcess process;
    std::unique_ptr<CPlugInView> root(process.CreateRootView());
    auto* dialog = dynamic_cast<CDialogView*>(root.get());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->GetDialogID(), 1);
    dialog->Initialize();
    HostRect frame{};
    dialog->GetFrame(&frame);
    EXPECT_EQ(frame.bottom, 100);
    EXPECT_EQ(frame.right, 200);
    CProcessGroup::SetHostViewsDisabled(true);
    EXPECT_EQ(process.CreateRootView(), nullptr);
}

TEST_F(ProcessRootViews, AnEffectProcessShowsTheDialogOfItsTypeNumber)
{
    TestEffectProcess process;
    process.SetIndexA(128);
    std::unique_ptr<CPlugInView> root(process.CreateRootView());
    auto* dialog = dynamic_cast<CDialogView*>(root.get());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->GetDialogID(), 128);
    dialog->Initialize();
    EXPECT_EQ(dialog->GetItemListID(), 128);
}

} // namespace
