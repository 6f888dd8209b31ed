#include "hostframework/views/item_list_view.h"
#include "hostframework/views/plate_colours.h"
#include "hostframework/views/scroll_control_view.h"
#include "hostframework/views/view_builder.h"
#include "tests/hostframework/views/view_test.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

using kravo::test::ViewTest;

COLORREF faceOf(std::int16_t style)
{
    const HostColor colour = PlateColour(style, kPlateFaceColour);
    return RGB(colour.red >> 8, colour.green >> 8, colour.blue >> 8);
}

// A list of three plates of 100 × 100 under each other, of the styles 2, 3 and 5, in a window 100
// high; a vertical scroll control 100 high beside it.
class Scrolling : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        root = std::make_unique<CCustomView>();
        root->SetFrame({0, 0, 100, 120});
        list = new CItemListView;
        list->SetFrame({0, 0, 100, 100});
        root->AddSubView(list, false);
        for (int k = 0; k < 3; ++k) {
            auto* plate = new CCustomView;
            plate->SetFrame({static_cast<std::int16_t>(100 * k), 0, static_cast<std::int16_t>(100 * k + 100), 100});
            plate->SetPlate(true, kStyles[k], 0);
            list->AddSubView(plate, false);
        }
        scroll = new CScrollControlView;
        scroll->SetFrame({0, 100, 100, 120});
        root->AddSubView(scroll, false);
    }

    void TearDown() override
    {
        root->SetPort(nullptr);
        root.reset();
        ViewTest::TearDown();
    }

    HostRect frameOf(int child)
    {
        CPlugInView* view = list->GetFirstSubView();
        for (int k = 0; k < child; ++k)
            view = view->GetNextSibling();
        HostRect frame{};
        view->GetFrame(&frame);
        return frame;
    }

    static constexpr std::int16_t kStyles[3] = {2, 3, 5};
    std::unique_ptr<CCustomView> root;
    CItemListView* list = nullptr;
    CScrollControlView* scroll = nullptr;
};

TEST_F(Scrolling, PagesAndValueFollowTheContentsAndSettingTheValueScrollsThem)
{
    HostRect content{};
    list->GetContentBounds(&content);
    EXPECT_EQ(content.top, 0);
    EXPECT_EQ(content.bottom, 300);

    scroll->AttachToScrolledView(list, CScrollControlView::kVertical);
    EXPECT_EQ(scroll->GetNumSteps(), 3);
    EXPECT_EQ(scroll->GetValue(), INT32_MIN);

    scroll->SetValue(INT32_MAX);
    EXPECT_EQ(scroll->GetValue(), INT32_MAX);
    EXPECT_EQ(frameOf(0).top, -200);
    EXPECT_EQ(frameOf(2).top, 0);

    // Back to the middle: the contents come down 100.
    scroll->SetValue(0);
    EXPECT_EQ(frameOf(0).top, -100);

    // Attached again, the value follows where the contents lie now.
    scroll->AttachToScrolledView(list, CScrollControlView::kVertical);
    EXPECT_EQ(scroll->GetValue(), 0);
    scroll->SetValue(INT32_MIN);
    EXPECT_EQ(frameOf(0).top, 0);
}

TEST_F(Scrolling, TheScrolledContentsAreDrawnWhereTheyCameTo)
{
    HostPort port = viewPort({0, 0, 100, 120});
    root->SetPort(port);
    root->Draw(nullptr);
    EXPECT_EQ(pictureOf(port).at(50, 50), faceOf(2));
    scroll->AttachToScrolledView(list, CScrollControlView::kVertical);
    scroll->SetValue(INT32_MAX);
    EXPECT_EQ(pictureOf(port).at(50, 50), faceOf(5));
    scroll->SetValue(0);
    EXPECT_EQ(pictureOf(port).at(50, 50), faceOf(3));
}

TEST_F(Scrolling, HorizontalScrollingMovesTheContentsSideways)
{
    auto* wide = new CPlugInView;
    wide->SetFrame({200, 0, 250, 400});
    list->AddSubView(wide, false);
    scroll->SetFrame({0, 0, 100, 100});
    scroll->AttachToScrolledView(list, CScrollControlView::kHorizontal);
    EXPECT_EQ(scroll->GetNumSteps(), 4);
    scroll->SetValue(INT32_MAX);
    EXPECT_EQ(frameOf(0).left, -300);
    EXPECT_EQ(frameOf(0).top, 0);
}

TEST_F(Scrolling, ContentsNoLargerThanTheWindowMakeOnePage)
{
    scroll->SetFrame({0, 100, 300, 120});
    scroll->AttachToScrolledView(list, CScrollControlView::kVertical);
    EXPECT_EQ(scroll->GetNumSteps(), 1);
    EXPECT_EQ(scroll->GetValue(), INT32_MIN);
    scroll->SetValue(INT32_MAX);
    EXPECT_EQ(frameOf(0).top, 0);

    // Without contents and without a size of its own, still one page.
    CItemListView empty;
    CScrollControlView bare;
    bare.AttachToScrolledView(&empty, CScrollControlView::kVertical);
    EXPECT_EQ(bare.GetNumSteps(), 1);
}

TEST_F(Scrolling, ContentsThatStartBelowTheWindowFail)
{
    list->GetFirstSubView()->OffsetBy(0, 50);
    scroll->SetFrame({0, 100, 100, 120});
    list->ScrollContents(0, 10);
    try {
        scroll->AttachToScrolledView(list, CScrollControlView::kVertical);
        FAIL();
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), kHostErrCheckFailed);
    }
}

TEST_F(Scrolling, UnboundTheValueIsOnlyStored)
{
    scroll->AttachToScrolledView(list, CScrollControlView::kVertical);
    scroll->AttachToScrolledView(nullptr, CScrollControlView::kVertical);
    EXPECT_EQ(scroll->GetScrolledView(), nullptr);
    scroll->SetValue(INT32_MAX);
    EXPECT_EQ(scroll->GetValue(), INT32_MAX);
    EXPECT_EQ(frameOf(0).top, 0);
}

TEST_F(Scrolling, TheDescriptionBuildsAScrollControl)
{
    SViewRecord record{};
    record.type = 8;
    record.frame = {0, 0, 100, 20};
    const std::string text = "!ScrollControl[('scrl')(\"Scroll\" 1 0)]";
    record.length = static_cast<std::uint8_t>(text.size());
    std::memcpy(record.text, text.data(), text.size());
    bool isDescription = false;
    std::unique_ptr<CCustomView> view(BuildViewFromRecord(&record, &isDescription));
    auto* built = dynamic_cast<CScrollControlView*>(view.get());
    ASSERT_NE(built, nullptr);
    EXPECT_EQ(built->GetNumSteps(), 0); // no pages before it is attached
    EXPECT_FALSE(built->IsControlView());
}

} // namespace
