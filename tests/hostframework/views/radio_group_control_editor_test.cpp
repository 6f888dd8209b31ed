#include "hostframework/views/radio_group_control_editor.h"
#include "hostlibs/engine/host_engine_control.h"
#include "platform/four_char_code.h"
#include "tests/hostframework/views/built_editor.h"
#include "tests/hostframework/views/control_process_test.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using kravo::test::ControlProcessTest;

// The selectors of the tokens sent from the index on.
std::vector<std::string> selectorsFrom(std::size_t from)
{
    std::vector<std::string> texts;
    const auto tokens = hostengine::dispatchedTokens();
    for (std::size_t i = from; i < tokens.size(); ++i) {
        std::uint32_t selector = 0;
        std::memcpy(&selector, &tokens[i][8], 4);
        std::string text;
        for (int shift = 24; shift >= 0; shift -= 8)
            text += static_cast<char>(selector >> shift);
        texts.push_back(text);
    }
    return texts;
}

// The code reading the description fails with; 1 when it reads and enables the highlight frame.
std::int32_t readingError(const std::string& text)
{
    const std::int32_t error = kravo::test::readingError<CRadioGroupControlEditor>(text);
    if (error != 0)
        return error;
    auto group = kravo::test::builtEditor<CRadioGroupControlEditor>(text, {0, 0, 20, 20});
    return group && group->IsHighlightFrameEnabled() ? 1 : 0;
}

class RadioGroups : public ControlProcessTest {
protected:
    // The group 'rad1' at (8, 8, 32, 172) of the control (control 2 has 3 steps) with four plate buttons
    // side by side, 40 × 20 from (10, 10); on a port.
    CPlugInView* fourButtons(const std::string& control = "ct02", const std::string& options = "")
    {
        std::vector<std::string> texts = {"8,8,164,24:!RadioGroup[('rad1')('" + control + "')(" + options + ")]"};
        for (int n = 0; n < 4; ++n)
            texts.push_back(std::to_string(10 + 40 * n) + ",10,40,20,off:!Background[('btn" + std::to_string(n) +
                            "' plate)]");
        CPlugInView* root = makeProcess(texts);
        attachPort();
        return root;
    }

    CRadioGroupControlEditor* radio()
    {
        return dynamic_cast<CRadioGroupControlEditor*>(process->GetRootView()->FindSubViewByID(FourCharCode("rad1")));
    }

    // Which buttons show highlighted, as a text of 0s and 1s.
    std::string lit()
    {
        std::string text;
        for (int n = 0; n < 4; ++n)
            text += radio()->GetChild(n)->IsHighlighted() ? '1' : '0';
        return text;
    }
};

TEST_F(RadioGroups, TheButtonOfTheCurrentStepShowsHighlighted)
{
    fourButtons();
    ASSERT_NE(radio(), nullptr);
    EXPECT_EQ(radio()->GetChild(0)->GetID(), FourCharCode("btn0"));
    EXPECT_EQ(radio()->GetChild(4), nullptr);
    EXPECT_EQ(lit(), "0100"); // 200 lies on the middle step
    EXPECT_EQ(radio()->GetSelectedChild(), radio()->GetChild(1));
    process->SetControlValue(2, INT32_MAX);
    EXPECT_EQ(lit(), "0010");
    HostPoint middle{};
    radio()->GetValuePoint(&middle);
    EXPECT_EQ(middle.h, 110);
    EXPECT_EQ(middle.v, 20);
}

TEST_F(RadioGroups, AClickSelectsTheStepOfTheButtonUnderIt)
{
    CPlugInView* root = fourButtons();
    scriptDrag({{20, 15}, {100, 15}});
    click(*root, 20, 15);
    EXPECT_EQ(controlValue(2), INT32_MIN);
    EXPECT_EQ(lit(), "1000"); // without the skip flag only the button under the click
}

TEST_F(RadioGroups, AButtonBeyondTheStepsOrOutsideEveryButtonChangesNothing)
{
    CPlugInView* root = fourButtons();
    scriptDrag({{140, 15}});
    click(*root, 140, 15);
    EXPECT_EQ(controlValue(2), 200);
    scriptDrag({{60, 9}}); // on the group, between the buttons and its edge
    click(*root, 60, 9);
    EXPECT_EQ(controlValue(2), 200);
    EXPECT_EQ(lit(), "0100");
}

TEST_F(RadioGroups, AClickOnTheSelectedButtonSetsNothing)
{
    withMessaging();
    CPlugInView* root = fourButtons();
    std::size_t before = hostengine::dispatchedTokens().size();
    scriptDrag({{60, 15}});
    click(*root, 60, 15);
    EXPECT_EQ(selectorsFrom(before), (std::vector<std::string>{"CTCH", "CAIG", "CTCH"}));
    before = hostengine::dispatchedTokens().size();
    scriptDrag({{20, 15}});
    click(*root, 20, 15);
    const std::vector<std::string> sent = selectorsFrom(before);
    EXPECT_NE(std::find(sent.begin(), sent.end(), "CAVL"), sent.end());
}

TEST_F(RadioGroups, WithTheSkipFlagADragSelectsEachButtonPassed)
{
    CPlugInView* root = fourButtons("ct03"); // 128 steps
    std::vector<int> steps;
    std::function<void()> record = [&] {
        steps.push_back(radio()->GetStep());
        group.hostAction = record;
    };
    group.hostAction = record;
    scriptDrag({{20, 15}, {60, 15}, {100, 15}, {140, 15}, {140, 16}, {100, 15}});
    click(*root, 20, 15, CPlugInView::kSkipTrackingMessage);
    group.hostAction = nullptr;
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 2, 3, 2}));
    EXPECT_EQ(lit(), "0010");
}

TEST_F(RadioGroups, TheSkipDragEndsOnAButtonBeyondTheStepsOrOutsideTheGroup)
{
    CPlugInView* root = fourButtons();
    scriptDrag({{20, 15}, {140, 15}, {20, 15}});
    click(*root, 20, 15, CPlugInView::kSkipTrackingMessage);
    EXPECT_EQ(controlValue(2), INT32_MIN);
    EXPECT_EQ(lit(), "1000");
    scriptDrag({{100, 15}, {100, 60}, {60, 15}});
    click(*root, 100, 15, CPlugInView::kSkipTrackingMessage);
    EXPECT_EQ(controlValue(2), INT32_MAX);
}

TEST_F(RadioGroups, TheHostsHighlightFramesTheGroupUntilItEnds)
{
    CPlugInView* root = fourButtons("ct02", "\"other\" \"EnableHighlight\"");
    HostPort port = root->GetPort();
    EXPECT_TRUE(radio()->IsHighlightFrameEnabled());
    root->Draw(nullptr);
    const COLORREF background = pictureOf(port).at(8, 8);
    process->HighlightControl(2, 1, 0, 0, "");
    EXPECT_EQ(pictureOf(port).at(8, 8), RGB(0xFF, 0x00, 0x00));
    EXPECT_EQ(pictureOf(port).at(171, 31), RGB(0xFF, 0x00, 0x00));
    EXPECT_TRUE(radio()->IsHighlightFrameShown());
    process->HighlightControl(2, 1, 1, 0, "");
    EXPECT_EQ(pictureOf(port).at(8, 8), RGB(0x00, 0x00, 0xAA));
    process->HighlightControl(2, 1, 7, 0, "");
    EXPECT_EQ(pictureOf(port).at(8, 8), RGB(0x00, 0xDD, 0x00));
    process->HighlightControl(2, 1, 3, 0, "");
    EXPECT_EQ(pictureOf(port).at(8, 8), RGB(0xFF, 0xCC, 0x00));

    hostext::logPortOperations(port, true);
    process->HighlightControl(2, 0, 3, 0, "");
    EXPECT_FALSE(radio()->IsHighlightFrameShown());
    const auto operations = hostext::portOperations(port);
    const auto invalidated = std::find_if(operations.begin(), operations.end(),
                                          [](const auto& operation) { return operation.kind == "invalidate"; });
    ASSERT_NE(invalidated, operations.end());
    EXPECT_EQ(invalidated->rect.top, 8);
    EXPECT_EQ(invalidated->rect.left, 8);
    EXPECT_EQ(invalidated->rect.bottom, 32);
    EXPECT_EQ(invalidated->rect.right, 172);
    hostext::logPortOperations(port, false);
    // The next drawing leaves the frame out.
    root->Draw(nullptr);
    EXPECT_EQ(pictureOf(port).at(8, 8), background);
}

TEST_F(RadioGroups, WithoutEnableHighlightNoFrameIsDrawn)
{
    CPlugInView* root = fourButtons("ct02", "\"enableHighlight\"");
    EXPECT_FALSE(radio()->IsHighlightFrameEnabled());
    root->Draw(nullptr);
    const COLORREF background = pictureOf(root->GetPort()).at(8, 8);
    process->HighlightControl(2, 1, 0, 0, "");
    EXPECT_EQ(pictureOf(root->GetPort()).at(8, 8), background);
}

TEST_F(RadioGroups, TheThirdGroupHoldsStringsOnly)
{
    EXPECT_EQ(readingError("!RadioGroup[('rad1')('ct02')()]"), 0);
    EXPECT_EQ(readingError("!RadioGroup[('rad1')('ct02')(\"EnableHighlight\")]"), 1);
    EXPECT_EQ(readingError("!RadioGroup[('rad1')('ct02')(\"EnableHighlightX\" \"\")]"), 0);
    EXPECT_EQ(readingError("!RadioGroup[('rad1')('ct02')(\"EnableHighlight\" 7)]"), kHostErrCheckFailed);
    EXPECT_EQ(readingError("!RadioGroup[('rad1')('ct02')(reverse)]"), kHostErrCheckFailed);
    EXPECT_EQ(readingError("!RadioGroup[('rad1')('ct02')]"), kHostErrNullValue);
}

} // namespace
