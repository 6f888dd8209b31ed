#include "hostframework/controls/discrete_control.h"
#include "hostframework/controls/linear_control.h"
#include "hostframework/views/no_resource_view.h"
#include "hostframework/views/slider_control_editor.h"
#include "hostframework/views/static_text_view.h"
#include "hostframework/views/view_description.h"
#include "platform/four_char_code.h"
#include "tests/hostframework/support/test_processes.h"
#include "tests/hostframework/views/description_test.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using kravo::test::DescriptionTest;
using kravo::test::describe;
using kravo::test::TestNoUIView;

// A view that keeps what its description left for it after the first group.
class GroupRecorder : public CCustomView {
public:
    void ReadDescription(SParseState& state) override
    {
        CCustomView::ReadDescription(state);
        rest = state.groups != nullptr ? describe(state.groups->List()) : "none";
        state.groups = nullptr;
    }
    std::string rest;
};

CCustomView* makeGroupRecorder()
{
    return new GroupRecorder;
}

HostRect frameOf(CPlugInView& view)
{
    HostRect frame{};
    view.GetFrame(&frame);
    return frame;
}

std::string textOf(const CPlugInView* view)
{
    const auto* text = dynamic_cast<const CStaticTextView*>(view);
    if (text == nullptr)
        return "(not a static text)";
    std::uint8_t characters[256] = {};
    text->GetText(characters);
    return {reinterpret_cast<const char*>(characters + 1), characters[0]};
}

bool sameRect(const HostRect& rect, std::int16_t top, std::int16_t left, std::int16_t bottom, std::int16_t right)
{
    return rect.top == top && rect.left == left && rect.bottom == bottom && rect.right == right;
}

std::vector<CPlugInView*> children(const CPlugInView& parent)
{
    std::vector<CPlugInView*> views;
    for (CPlugInView* child = parent.GetFirstSubView(); child != nullptr; child = child->GetNextSibling())
        views.push_back(child);
    return views;
}

class ViewsFromText : public DescriptionTest {
protected:
    void SetUp() override
    {
        DescriptionTest::SetUp();
        registerViewCreator("Recorder", &makeGroupRecorder);
        holder = std::make_unique<CNoResourceView>();
        root = holder.get();
    }
    void TearDown() override
    {
        holder.reset();
        DescriptionTest::TearDown();
    }

    // Gone before the fixture checks that no pattern is left.
    std::unique_ptr<CNoResourceView> holder;
    CNoResourceView* root = nullptr;
};

TEST_F(ViewsFromText, SetSizePutsTheFrameAtTheOrigin)
{
    root->SetFrame({5, 6, 7, 8});
    root->SetSize(984, 623);
    EXPECT_TRUE(sameRect(frameOf(*root), 0, 0, 623, 984));
}

TEST_F(ViewsFromText, ADescriptionBuildsItsViewInTheGivenFrame)
{
    CPlugInView* child = root->AddSubViewFromText("!NoUIView[('NoID')]", 0, 0, 984, 623, false);
    ASSERT_NE(child, nullptr);
    EXPECT_NE(dynamic_cast<TestNoUIView*>(child), nullptr);
    EXPECT_TRUE(sameRect(frameOf(*child), 0, 0, 623, 984));
    EXPECT_FALSE(child->IsEnabled());
    EXPECT_EQ(child->GetParent(), root);
    EXPECT_EQ(child->GetID(), 0x4E6F4944u);

    CPlugInView* enabled = root->AddSubViewFromText("!NoUIView[('abcd')]", 10, 20, 30, 40, true);
    ASSERT_NE(enabled, nullptr);
    EXPECT_TRUE(enabled->IsEnabled());
    EXPECT_TRUE(sameRect(frameOf(*enabled), 20, 10, 60, 40));
    // The first child encloses the second, which nests inside it.
    EXPECT_EQ(enabled->GetParent(), child);
}

TEST_F(ViewsFromText, ATextThatDescribesNothingIsShownAsStaticText)
{
    CPlugInView* child = root->AddSubViewFromText("Background[('abcd')]", 5, 6, 70, 20, true);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(textOf(child), "Background[('abcd')]");
    EXPECT_TRUE(sameRect(frameOf(*child), 6, 5, 26, 75));
    EXPECT_TRUE(child->IsEnabled());
    EXPECT_EQ(textOf(root->AddSubViewFromText("say `hi`", 0, 100, 50, 10, false)), "say \"hi\"");
    // A view that cannot read its description is no description either.
    EXPECT_EQ(textOf(root->AddSubViewFromText("!Background[('a')]", 0, 200, 50, 10, false)), "!Background[('a')]");
}

TEST_F(ViewsFromText, BackquotesAreReadAsDoubleQuotes)
{
    CPlugInView* child = root->AddSubViewFromText("!Recorder[('abcd')(`hi`)]", 0, 0, 10, 10, true);
    ASSERT_NE(dynamic_cast<GroupRecorder*>(child), nullptr);
    EXPECT_EQ(static_cast<GroupRecorder*>(child)->rest, "s\"hi\"");
}

TEST_F(ViewsFromText, TextsOfMoreThan255CharactersAddNothing)
{
    const std::string longest(255, 'x');
    EXPECT_NE(root->AddSubViewFromText(longest, 0, 0, 10, 10, true), nullptr);
    EXPECT_EQ(root->AddSubViewFromText(longest + "x", 0, 0, 10, 10, true), nullptr);
    EXPECT_EQ(children(*root).size(), 1u);
}

TEST_F(ViewsFromText, TheInsetFormIsOnePixelSmallerAndAnswersWhetherItAdded)
{
    EXPECT_TRUE(root->AddSubViewFromTextInset("!NoUIView[('NoID')]", 10, 20, 30, 40, true));
    ASSERT_EQ(children(*root).size(), 1u);
    EXPECT_TRUE(sameRect(frameOf(*root->GetFirstSubView()), 20, 10, 59, 39));
    EXPECT_FALSE(root->AddSubViewFromTextInset(std::string(256, 'x'), 0, 0, 10, 10, true));
}

TEST_F(ViewsFromText, TheNoResourceViewCreatorMakesOne)
{
    std::unique_ptr<CCustomView> view(NewNoResourceView());
    EXPECT_NE(dynamic_cast<CNoResourceView*>(view.get()), nullptr);
}

class GenericLayout : public ViewsFromText {
protected:
    // Three controls and a meter; control 2 is the bypass.
    class LayoutProcess : public kravo::test::TestProcess {
    public:
        LayoutProcess()
        {
            AddControl(new CPluginControl_Discrete(FourCharCode("bypa"), "0000 Master Bypass\nBypass", 0, 1, 0, true));
            AddControl(new CPluginControl_Discrete(FourCharCode("skip"), "Skipped", 0, 1, 0, true));
            AddControl(new CPluginControl_Linear(FourCharCode("sld1"), "Mono Gain\nGain", 0.0, 1.0, 0.01, 0.5, true,
                                                 nullptr, nullptr));
        }
        std::int32_t GetMeterCount(std::int32_t* count) override { return setOut(count, 1); }
        std::int32_t GetBypassControlIndex(std::int32_t* control) override { return setOut(control, 2); }
    };
};

TEST_F(GenericLayout, WritesARowPerMeterAndPerControlButTheBypass)
{
    LayoutProcess process;
    const std::uint32_t meters[] = {FourCharCode("mtrL")};
    const std::uint32_t clips[] = {FourCharCode("clpL")};
    std::unique_ptr<CNoResourceView> layout(BuildGenericLayout(process, meters, clips));
    ASSERT_NE(layout, nullptr);
    EXPECT_TRUE(sameRect(frameOf(*layout), 0, 0, 75, 400));

    struct SRow {
        std::int16_t h, v, width, height;
        bool enabled;
        std::string text;
    };
    const SRow rows[] = {
        {10, 10, 355, 15, true, "!GainMeterView[('mtrL') (labels)]"},
        {375, 10, 15, 15, true, "!ClippingView[('clpL')()]"},
        {10, 30, 100, 15, false,
         "!StaticCustomText[('NoID')(center \"Bypass\")(\"FontType\" 21 \"FontSize\" 12 \"FontFace\" 1 kEngraved "
         "\"FontColor\" 0 0 0 )]"},
        {120, 30, 200, 18, true,
         "!TextCustomPopupEditor[('NoID') ('bypa') (\"FontType\" 3 \"FontSize\" 9 \"FontFace\" 0 \"Shadow\" 0)]"},
        {330, 30, 60, 18, true,
         "!PictBackgroundTextEditor[('NoID')('bypa') (\"TextColor\" 0 0 0 \"TextSize\" 11 \"TextFont\" "
         "\"Helvetica\" \"TextFace\" \"bold\")]"},
        {10, 50, 100, 15, false,
         "!StaticCustomText[('NoID')(center \"Mono Gain\")(\"FontType\" 21 \"FontSize\" 12 \"FontFace\" 1 kEngraved "
         "\"FontColor\" 0 0 0 )]"},
        {120, 50, 200, 15, true, "!Slider[('NoID') ('sld1') ()]"},
        {330, 50, 60, 18, true,
         "!PictBackgroundTextEditor[('NoID')('sld1') (\"TextColor\" 0 0 0 \"TextSize\" 11 \"TextFont\" "
         "\"Helvetica\" \"TextFace\" \"bold\")]"},
    };
    const std::vector<CPlugInView*> views = children(*layout);
    ASSERT_EQ(views.size(), std::size(rows));
    for (std::size_t n = 0; n < views.size(); ++n) {
        const SRow& row = rows[n];
        // Of the rows' views only the slider is built here; the others show their texts.
        if (row.text.starts_with("!Slider")) {
            const auto* slider = dynamic_cast<const CSliderControlEditor*>(views[n]);
            ASSERT_NE(slider, nullptr);
            EXPECT_EQ(slider->GetControlID(), FourCharCode("sld1"));
        } else {
            EXPECT_EQ(textOf(views[n]), row.text) << n;
        }
        EXPECT_TRUE(sameRect(frameOf(*views[n]), row.v, row.h, static_cast<std::int16_t>(row.v + row.height - 1),
                             static_cast<std::int16_t>(row.h + row.width - 1)))
            << n;
        EXPECT_EQ(views[n]->IsEnabled(), row.enabled) << n;
    }
    layout->DeleteSubViews();
}

TEST_F(GenericLayout, AProcessWithoutMetersOrBypassNeedsNoIdArrays)
{
    kravo::test::TestProcess process;
    process.AddControl(new CPluginControl_Discrete(FourCharCode("one "), "One", 0, 3, 0, true));
    std::unique_ptr<CNoResourceView> layout(BuildGenericLayout(process, nullptr, nullptr));
    EXPECT_TRUE(sameRect(frameOf(*layout), 0, 0, 35, 400));
    EXPECT_EQ(children(*layout).size(), 3u);
    layout->DeleteSubViews();
}

} // namespace
