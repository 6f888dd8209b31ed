#include "hostframework/views/dialog_view.h"
#include "hostframework/views/icon_view.h"
#include "hostframework/views/item_list_view.h"
#include "hostframework/views/mac_control_view.h"
#include "hostframework/views/picture_view.h"
#include "hostframework/views/scroll_control_view.h"
#include "hostframework/views/static_text_view.h"
#include "hostframework/views/view_builder.h"
#include "hostframework/views/view_description.h"
#include "platform/four_char_code.h"
#include "tests/hostframework/support/host_error_code.h"
#include "tests/hostframework/views/built_editor.h"
#include "tests/hostframework/views/view_frames.h"
#include "tests/hostframework/views/view_test.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using kravo::test::childrenOf;
using kravo::test::frameOf;
using kravo::test::sides;
using kravo::test::hostErrorCode;

using kravo::test::editorRecord;

using kravo::test::ViewTest;

std::string textOf(const std::uint8_t* text)
{
    return {reinterpret_cast<const char*>(text + 1), text[0]};
}

std::string textOf(CPlugInView* view)
{
    std::uint8_t text[256]{};
    dynamic_cast<CStaticTextView&>(*view).GetText(text);
    return textOf(text);
}

class ItemListViews : public ViewTest {
protected:
    // A list view of the test resource file's item list, its frame's top-left at (left, top), filled.
    std::unique_ptr<CItemListView> list(std::int16_t id, std::int16_t left = 0, std::int16_t top = 0)
    {
        auto view = std::make_unique<CItemListView>();
        view->SetFrame({top, left, static_cast<std::int16_t>(top + 200), static_cast<std::int16_t>(left + 300)});
        view->SetItemListID(id);
        view->Initialize();
        return view;
    }

    // The code the description's view throws reading its description; 0 when it reads it.
    static std::int32_t readCode(CCustomView& view, const std::string& text)
    {
        const SViewRecord record = editorRecord(text);
        SParseState state(&record);
        EXPECT_TRUE(ParseDescription(state)) << text;
        return hostErrorCode([&] { view.ReadDescription(state); });
    }
};

TEST_F(ItemListViews, EveryKindOfItemBecomesItsViewTitledOrFilledByItsData)
{
    auto view = list(128);
    const auto items = childrenOf(*view);
    ASSERT_EQ(items.size(), 11u);
    auto* button = dynamic_cast<CButtonView*>(items[0]);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(textOf(button->GetTitle()), "OK");
    auto* box = dynamic_cast<CCheckBoxView*>(items[1]);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(textOf(box->GetTitle()), "Box");
    // "Box" has odd data: the item after it starts past one pad byte.
    auto* radio = dynamic_cast<CRadioButtonView*>(items[2]);
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(textOf(radio->GetTitle()), "Radio");
    EXPECT_EQ(sides(frameOf(radio)), (std::vector<int>{60, 10, 76, 100}));
    auto* stored = dynamic_cast<CResControlView*>(items[3]);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->GetResourceID(), 128);
    // A control whose text is a description is the view it describes.
    auto* described = dynamic_cast<CCheckBoxView*>(items[4]);
    ASSERT_NE(described, nullptr);
    EXPECT_EQ(described->GetID(), FourCharCode("cbox"));
    EXPECT_EQ(described->GetValue(), 1);
    EXPECT_EQ(textOf(items[5]), "Plain text");
    EXPECT_EQ(textOf(items[6]), "Edit");
    auto* plate = dynamic_cast<CCustomView*>(items[7]);
    ASSERT_NE(plate, nullptr);
    EXPECT_EQ(plate->GetID(), FourCharCode("desc"));
    EXPECT_EQ(plate->GetOwnPlateStyle(), 3);
    EXPECT_EQ(dynamic_cast<CStaticTextView*>(items[7]), nullptr);
    auto* picture = dynamic_cast<CPictureView*>(items[8]);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetPictureID(CPictureView::kNormal), 130);
    auto* icon = dynamic_cast<CIconView*>(items[9]);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->GetIconID(), 128);
    EXPECT_TRUE(icon->HasIcon());
    EXPECT_EQ(typeid(*items[10]), typeid(CPlugInView));
}

TEST_F(ItemListViews, ADisabledPictureItemTakesNoClicks)
{
    auto root = std::make_unique<CCustomView>();
    root->SetFrame({0, 0, 200, 300});
    root->SetEnabled(true);
    auto* view = new CItemListView;
    view->SetFrame({0, 0, 200, 300});
    view->SetItemListID(128);
    root->AddSubView(view, false);
    view->Initialize();
    auto* picture = dynamic_cast<CPictureView*>(view->FindViewAtPoint({120, 130}));
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->IsEnabled());
    EXPECT_TRUE(childrenOf(*view)[0]->IsEnabled());
    root->SetPort(viewPort({0, 0, 200, 300}));
    click(*root, 130, 120);
    EXPECT_FALSE(picture->IsHighlighted());
    root->SetPort(nullptr);
}

TEST_F(ItemListViews, AnItemInsideAnEarlierOneIsItsChildAndAllMoveByTheListsTopLeft)
{
    auto view = list(129, 30, 20);
    const auto items = childrenOf(*view);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(sides(frameOf(items[0])), (std::vector<int>{20, 30, 70, 80}));
    const auto inner = childrenOf(*items[0]);
    ASSERT_EQ(inner.size(), 1u);
    EXPECT_EQ(textOf(inner[0]), "Child");
    EXPECT_EQ(sides(frameOf(inner[0])), (std::vector<int>{30, 40, 40, 70}));
    EXPECT_EQ(sides(frameOf(items[1])), (std::vector<int>{80, 30, 100, 50}));
}

TEST_F(ItemListViews, TheContentBoundsAreTheUnionOfTheChildrenOrZerosWithout)
{
    auto view = list(129, 30, 20);
    HostRect bounds{1, 1, 1, 1};
    view->GetContentBounds(&bounds);
    EXPECT_EQ(sides(bounds), (std::vector<int>{20, 30, 100, 80}));
    CItemListView empty;
    empty.SetFrame({5, 5, 50, 50});
    empty.GetContentBounds(&bounds);
    EXPECT_EQ(sides(bounds), (std::vector<int>{0, 0, 0, 0}));
}

TEST_F(ItemListViews, TheDescriptionGivesTheListIdAndBothScrollControlIdsOrNone)
{
    CItemListView view;
    EXPECT_EQ(readCode(view, "!ItemList[('list')(128)]"), 0);
    EXPECT_EQ(view.GetItemListID(), 128);
    EXPECT_EQ(view.GetScrollControlID(CItemListView::kHorizontal), CPlugInView::kNoID);
    CItemListView scrolled;
    EXPECT_EQ(readCode(scrolled, "!ItemList[('list')(129 'hscr' 'vscr')]"), 0);
    EXPECT_EQ(scrolled.GetScrollControlID(CItemListView::kHorizontal), FourCharCode("hscr"));
    EXPECT_EQ(scrolled.GetScrollControlID(CItemListView::kVertical), FourCharCode("vscr"));
    CItemListView a, b, c, d, e, f;
    EXPECT_EQ(readCode(a, "!ItemList[('list')]"), kHostErrNullValue);
    EXPECT_EQ(readCode(b, "!ItemList[('list')('abcd')]"), kHostErrCheckFailed);
    EXPECT_EQ(readCode(c, "!ItemList[('list')(128 'hscr')]"), kHostErrNullValue);
    EXPECT_EQ(readCode(d, "!ItemList[('list')(128 'hscr' 3)]"), kHostErrCheckFailed);
    EXPECT_EQ(readCode(e, "!ItemList[('list')(128 'hscr' 'vscr' 'more')]"), kHostErrCheckFailed);
    EXPECT_EQ(readCode(f, "!ItemList[('list')()]"), kHostErrCheckFailed);
}

TEST_F(ItemListViews, ADescribedListIsBuiltThroughTheKeywordMap)
{
    const SViewRecord record = editorRecord("!ItemList[('list')(129)]", {0, 0, 100, 100});
    bool isDescription = false;
    std::unique_ptr<CCustomView> view(BuildViewFromRecord(&record, &isDescription));
    ASSERT_NE(dynamic_cast<CItemListView*>(view.get()), nullptr);
    EXPECT_EQ(view->GetID(), FourCharCode("list"));
    view->Initialize();
    EXPECT_EQ(childrenOf(*view).size(), 2u);
}

TEST_F(ItemListViews, AMissingListOrNoListIdFails)
{
    const int handles = hostext::liveHandleCount();
    CItemListView none;
    EXPECT_EQ(hostErrorCode([&] { none.Initialize(); }), kHostErrNullValue);
    CItemListView missing;
    missing.SetItemListID(250);
    EXPECT_EQ(hostErrorCode([&] { missing.Initialize(); }), kHostErrNullValue);
    EXPECT_EQ(hostext::liveHandleCount(), handles);
}

// The horizontal control stands beside the list, the view of the vertical id is no scroll control.
TEST_F(ItemListViews, ScrollControlsAreFoundByIdFromTheParentOutwardsAndBound)
{
    CCustomView root;
    auto* outer = new CCustomView;
    outer->SetID(FourCharCode("vscr"));
    root.AddSubView(outer, false);
    auto* group = new CCustomView;
    root.AddSubView(group, false);
    auto* inner = new CScrollControlView;
    inner->SetID(FourCharCode("hscr"));
    inner->SetFrame({500, 500, 520, 600});
    group->AddSubView(inner, false);
    auto* view = new CItemListView;
    const SViewRecord record = editorRecord("!ItemList[('list')(129 'hscr' 'vscr')]");
    SParseState state(&record);
    ASSERT_TRUE(ParseDescription(state));
    view->ReadDescription(state);
    group->AddSubView(view, false);
    root.Initialize();
    EXPECT_EQ(view->GetScrollControl(CItemListView::kHorizontal), inner);
    EXPECT_EQ(inner->GetScrolledView(), view);
    EXPECT_EQ(inner->GetOrientation(), CScrollControlView::kHorizontal);
    EXPECT_EQ(view->GetScrollControl(CItemListView::kVertical), nullptr);
    root.Disconnect();
    EXPECT_EQ(view->GetScrollControl(CItemListView::kHorizontal), nullptr);
    EXPECT_EQ(inner->GetScrolledView(), nullptr);

    // Bound again, either may go first without the other keeping a dangling link (ASan).
    root.Connect();
    ASSERT_EQ(inner->GetScrolledView(), view);
    delete view;
    EXPECT_EQ(inner->GetScrolledView(), nullptr);
    auto* again = new CItemListView;
    SParseState second(&record);
    ASSERT_TRUE(ParseDescription(second));
    again->ReadDescription(second);
    group->AddSubView(again, false);
    again->Connect();
    ASSERT_EQ(again->GetScrollControl(CItemListView::kHorizontal), inner);
    delete inner;
    EXPECT_EQ(again->GetScrollControl(CItemListView::kHorizontal), nullptr);
}

// The lists of the test resource file that do not hold what they say.
class ItemListBadInput : public ItemListViews {};

TEST_F(ItemListBadInput, AListCutAnywhereBuildsTheWholeItemsBeforeTheCut)
{
    EXPECT_TRUE(childrenOf(*list(200)).empty());           // cut after the count
    EXPECT_EQ(childrenOf(*list(201)).size(), 1u);          // cut in the second item's header
    EXPECT_EQ(childrenOf(*list(202)).size(), 1u);          // cut in the second item's odd data
    const auto beforePad = list(203);                      // whole but for the last pad byte
    ASSERT_EQ(childrenOf(*beforePad).size(), 2u);
    EXPECT_EQ(textOf(childrenOf(*beforePad)[1]), "Two");
    const auto counted = list(204);                        // a count of 65536 with two items
    ASSERT_EQ(childrenOf(*counted).size(), 2u);
    EXPECT_EQ(textOf(childrenOf(*counted)[1]), "Two");
}

TEST_F(ItemListBadInput, DataOf255BytesIsReadWholeAndPaddedOver)
{
    const auto view = list(205);
    const auto items = childrenOf(*view);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(textOf(items[0]), std::string(255, 'x'));
    EXPECT_EQ(textOf(items[1]), "End");
}

TEST_F(ItemListBadInput, AnItemOfNoKnownKindFailsAndTheItemsBeforeItGoWithTheView)
{
    const int handles = hostext::liveHandleCount();
    auto view = std::make_unique<CItemListView>();
    view->SetItemListID(206);
    EXPECT_EQ(hostErrorCode([&] { view->Initialize(); }), kHostErrCheckFailed);
    EXPECT_EQ(childrenOf(*view).size(), 1u);
    view.reset();
    EXPECT_EQ(hostext::liveHandleCount(), handles);
}

TEST_F(ItemListBadInput, AListThatDescribesAViewOfItselfFailsInsteadOfBuildingWithoutEnd)
{
    auto view = std::make_unique<CItemListView>();
    view->SetItemListID(207);
    EXPECT_EQ(hostErrorCode([&] { view->Initialize(); }), kHostErrCheckFailed);
    // Building the outer list again is not taken for building it inside itself.
    auto again = std::make_unique<CItemListView>();
    again->SetItemListID(129);
    again->Initialize();
    EXPECT_EQ(childrenOf(*again).size(), 2u);
}

} // namespace
