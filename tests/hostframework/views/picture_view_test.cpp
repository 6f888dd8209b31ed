#include "hostframework/views/picture_view.h"
#include "hostframework/views/view_builder.h"
#include "hostlibs/extension/host_extension_control.h"
#include "tests/hostframework/views/built_editor.h"
#include "tests/hostframework/views/view_test.h"

#include <memory>
#include <string>

namespace {

using kravo::test::ViewTest;

// The colours of the test resource file's pictures.
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kGreen = RGB(0, 150, 0);
constexpr COLORREF kBlue = RGB(0, 0, 250);

class PictureViews : public ViewTest {
protected:
    static std::unique_ptr<CPictureView> built(const std::string& text, HostRect frame = {0, 0, 10, 10})
    {
        const SViewRecord record = kravo::test::editorRecord(text, frame);
        bool isDescription = false;
        std::unique_ptr<CCustomView> view(BuildViewFromRecord(&record, &isDescription));
        return std::unique_ptr<CPictureView>(dynamic_cast<CPictureView*>(view.release()));
    }

    static std::int32_t count()
    {
        CCachedPictureManager* manager = CCachedPictureManager::Shared();
        return manager != nullptr ? manager->Count() : -1;
    }

    // The colour the view draws at its centre on a white port.
    COLORREF shown(CPictureView& view)
    {
        HostPort port = viewPort({0, 0, 10, 10});
        view.SetPort(port);
        view.Draw(nullptr);
        view.SetPort(nullptr);
        return pictureOf(port).at(5, 5);
    }
};

TEST_F(PictureViews, ViewsOfOneIdShareAnEntryThatGoesWithTheLastOfThem)
{
    auto first = built("!Picture[('abcd')(normal 130)]");
    auto second = built("!Picture[('abcd')(normal 130)]");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    // The picture and its companion, each once.
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(first->GetPictureID(CPictureView::kNormal), 130);
    EXPECT_EQ(first->GetCurrentPicture(), second->GetCurrentPicture());
    ASSERT_NE(first->GetCompanion(CPictureView::kNormal), nullptr);
    EXPECT_EQ(first->GetCompanion(CPictureView::kNormal)->GetID(), 10130);
    EXPECT_EQ(hostext::livePictureCount(), 2);

    first.reset();
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(shown(*second), kRed);
    second.reset();
    EXPECT_EQ(CCachedPictureManager::Shared(), nullptr);
    EXPECT_EQ(hostext::livePictureCount(), 0);
}

TEST_F(PictureViews, TheCurrentPicturePrefersDisabledThenClickedThenNormal)
{
    auto view = built("!Picture[('abcd')(normal 130 clicked 131 disabled 132)]");
    ASSERT_NE(view, nullptr);
    view->SetEnabled(true);
    EXPECT_EQ(shown(*view), kRed);
    view->SetHighlighted(true);
    EXPECT_EQ(shown(*view), kGreen);
    view->SetEnabled(false);
    EXPECT_EQ(shown(*view), kBlue);
    view->SetPicture(CPictureView::kDisabled, -1);
    EXPECT_EQ(shown(*view), kGreen);
    view->SetHighlighted(false);
    EXPECT_EQ(shown(*view), kRed);
    view->SetPicture(CPictureView::kNormal, -1);
    EXPECT_EQ(view->GetCurrentPicture(), nullptr);
    EXPECT_EQ(shown(*view), kWhite);
}

TEST_F(PictureViews, StatesOutsideTheThreeFailAndDescriptionsReadPairs)
{
    auto view = built("!Picture[('abcd')(normal \"skipped\" clicked 131)]");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetPictureID(CPictureView::kNormal), -1);
    EXPECT_EQ(view->GetPictureID(CPictureView::kClicked), 131);
    try {
        view->SetPicture(3, 130);
        ADD_FAILURE();
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), kHostErrCheckFailed);
    }
    try {
        view->GetPictureID(-1);
        ADD_FAILURE();
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), kHostErrCheckFailed);
    }
    EXPECT_EQ(built("!Picture[('abcd')()]"), nullptr);
    EXPECT_EQ(built("!Picture[('abcd')]"), nullptr);
    EXPECT_EQ(built("!Picture[('abcd')(plate 130)]"), nullptr);
    EXPECT_EQ(built("!Picture[('abcd')(normal)]"), nullptr);
    EXPECT_EQ(built("!Picture[('abcd')(normal 1.5)]"), nullptr);
    view.reset();
    EXPECT_EQ(CCachedPictureManager::Shared(), nullptr);
}

TEST_F(PictureViews, AMissingPictureLeavesNoIdAndDrawsNothing)
{
    auto view = built("!Picture[('abcd')(normal 999)]");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetPictureID(CPictureView::kNormal), -1);
    ASSERT_NE(view->GetCurrentPicture(), nullptr);
    EXPECT_FALSE(view->GetCurrentPicture()->HasPicture());
    EXPECT_EQ(shown(*view), kWhite);
}

TEST_F(PictureViews, ChangingOneViewsPictureLeavesTheOtherViewsAlone)
{
    auto first = built("!Picture[('abcd')(normal 130)]");
    auto second = built("!Picture[('abcd')(normal 130)]");
    first->SetPicture(CPictureView::kNormal, 131);
    EXPECT_EQ(first->GetPictureID(CPictureView::kNormal), 131);
    EXPECT_EQ(second->GetPictureID(CPictureView::kNormal), 130);
    EXPECT_EQ(shown(*second), kRed);
    EXPECT_EQ(shown(*first), kGreen);
    // 130, 10130, 131 and 10131 (an empty entry: the file has no such picture).
    EXPECT_EQ(count(), 4);
    // An empty entry has no id to be found by: each companion of 131 has its own.
    second->SetPicture(CPictureView::kNormal, 131);
    EXPECT_EQ(count(), 3);
    // Setting the id a slot holds keeps its entry.
    CCachedPicture* entry = first->GetCurrentPicture();
    first->SetPicture(CPictureView::kNormal, 131);
    EXPECT_EQ(first->GetCurrentPicture(), entry);
    EXPECT_EQ(count(), 3);
}

TEST_F(PictureViews, AViewThatOutlivesTheManagerCanStillTakeAPicture)
{
    auto empty = built("!Picture[('abcd')(normal \"none yet\")]");
    auto holder = built("!Picture[('abcd')(normal 130)]");
    ASSERT_NE(empty, nullptr);
    holder.reset();
    EXPECT_EQ(CCachedPictureManager::Shared(), nullptr);
    empty->SetPicture(CPictureView::kNormal, 131);
    EXPECT_EQ(empty->GetPictureID(CPictureView::kNormal), 131);
    EXPECT_EQ(shown(*empty), kGreen);
    empty.reset();
    EXPECT_EQ(CCachedPictureManager::Shared(), nullptr);
}

TEST_F(PictureViews, ReleasingAnEntryTwiceOrAStrangerChangesNothing)
{
    CCachedPictureManager manager;
    EXPECT_EQ(manager.Count(), 0);
    CCachedPicture* entry = manager.Acquire(130);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(manager.Acquire(-1), entry); // a new entry has no id yet
    CCachedPicture stranger;
    manager.Release(&stranger);
    EXPECT_EQ(manager.Count(), 1);
    manager.Release(entry);
    EXPECT_EQ(manager.Count(), 1);
    manager.Release(entry);
    EXPECT_EQ(manager.Count(), 0);
}

} // namespace
