#include "hostframework/views/process_control_view.h"
#include "hostframework/views/static_text_view.h"
#include "hostframework/views/text_control_editor.h"
#include "hostframework/views/view_builder.h"
#include "hostframework/views/view_description.h"
#include "hostlibs/extension/host_graphics_types.h"
#include "platform/four_char_code.h"
#include "tests/hostframework/views/built_editor.h"
#include "tests/hostframework/views/control_process_test.h"

#include <cstring>
#include <string>

namespace {

using kravo::test::ControlProcessTest;
using kravo::test::StepControl;

std::string textOf(CTextControlEditor& editor)
{
    std::uint8_t text[256] = {};
    editor.GetTextView()->GetText(text);
    return {reinterpret_cast<const char*>(text + 1), text[0]};
}

// A text editor of the control over a static text, at (10, v), 80 × 16.
std::string editorAt(int v, const std::string& id, const std::string& control, const std::string& more = "")
{
    const std::string place = "10," + std::to_string(v) + ",80,16:";
    std::string text = place + "!TextEditor[('" + id + "')('" + control + "'" + more + ")]";
    return text;
}

std::string textViewAt(int v)
{
    return "10," + std::to_string(v) + ",80,16,off:!StaticText[('text')()]";
}

class TextEditors : public ControlProcessTest {
protected:
    CTextControlEditor* editor(std::uint32_t id)
    {
        return dynamic_cast<CTextControlEditor*>(process->GetRootView()->FindSubViewByID(id));
    }

    // The root, the editor 'ted1' of the control at (10, 10) and, when given, 'ted2' of another at (10, 40).
    CPlugInView* twoEditors(const std::string& control, const std::string& more = "", const std::string& second = "")
    {
        std::vector<std::string> texts = {editorAt(10, "ted1", control, more), textViewAt(10)};
        if (!second.empty()) {
            texts.push_back(editorAt(40, "ted2", second));
            texts.push_back(textViewAt(40));
        }
        CPlugInView* root = makeProcess(texts);
        attachPort();
        return root;
    }

    StepControl& control(std::int32_t position) { return *static_cast<StepControl*>(process->GetControl(position)); }
};

TEST_F(TextEditors, TheTextShowsTheControlsValueOnceBound)
{
    twoEditors("ct01");
    CTextControlEditor* ted = editor(FourCharCode("ted1"));
    ASSERT_NE(ted->GetTextView(), nullptr);
    EXPECT_EQ(textOf(*ted), "100");
    auto* view = dynamic_cast<CProcessControlView*>(ted->GetControlView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetProcess(), process.get());
    EXPECT_EQ(view->GetControlIndex(), 1);
    std::int32_t index = 0;
    ted->GetControlIndexAt(&index);
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(ted->IsHighlightedByHost());
    // The text view takes the editor's frame.
    HostRect frame{};
    ted->GetTextView()->GetFrame(&frame);
    EXPECT_EQ(frame.top, 10);
    EXPECT_EQ(frame.right, 90);
    HostPoint middle{};
    ted->GetValuePoint(&middle);
    EXPECT_EQ(middle.v, 18);
    EXPECT_EQ(middle.h, 50);
}

TEST_F(TextEditors, AnOptionClickSetsTheDefaultAndTracksNothing)
{
    CPlugInView* root = twoEditors("ct01");
    click(*root, 20, 15, 0, kHostOptionKeyModifier);
    EXPECT_EQ(controlValue(1), 7);
    EXPECT_FALSE(editor(FourCharCode("ted1"))->IsEditing());
    EXPECT_EQ(textOf(*editor(FourCharCode("ted1"))), "7");
}

TEST_F(TextEditors, TheArrowsStepWithinTheRangeAndCountAsHandled)
{
    CPlugInView* root = twoEditors("ct01");
    CTextControlEditor* ted = editor(FourCharCode("ted1"));
    ted->SetStep(9);
    EXPECT_EQ(controlValue(1), INT32_MAX);
    click(*root, 20, 15);
    ASSERT_TRUE(ted->IsEditing());
    EXPECT_TRUE(type(*root, 0x1E));
    EXPECT_EQ(ted->GetStep(), 9);
    EXPECT_TRUE(type(*root, 0x1F));
    EXPECT_EQ(ted->GetStep(), 8);
    ted->SetStep(0);
    EXPECT_TRUE(type(*root, 0x1F));
    EXPECT_EQ(ted->GetStep(), 0);
    // A key neither the control nor the arrows take is not handled.
    EXPECT_FALSE(type(*root, 'x'));
}

TEST_F(TextEditors, ReverseSwapsTheArrows)
{
    CPlugInView* root = twoEditors("ct01", " reverse");
    CTextControlEditor* ted = editor(FourCharCode("ted1"));
    EXPECT_TRUE(ted->IsReversed());
    ted->SetStep(9);
    click(*root, 20, 15);
    EXPECT_TRUE(type(*root, 0x1E));
    EXPECT_EQ(ted->GetStep(), 8);
}

TEST_F(TextEditors, ReturnConvertsTheFirstThirtyTypedCharacters)
{
    CPlugInView* root = twoEditors("ct01");
    CTextControlEditor* ted = editor(FourCharCode("ted1"));
    click(*root, 20, 15);
    for (int k = 0; k < 40; ++k)
        EXPECT_TRUE(type(*root, static_cast<char>('0' + k % 10)));
    EXPECT_TRUE(type(*root, '\r'));
    EXPECT_EQ(control(1).lastText, "012345678901234567890123456789");
    EXPECT_EQ(controlValue(1), 30);
    EXPECT_EQ(textOf(*ted), "30");
    EXPECT_FALSE(ted->IsEditing());
    EXPECT_EQ(root->GetKeyFocus(), nullptr);
    EXPECT_EQ(hostext::liveTextEditCount(), 0);
}

TEST_F(TextEditors, ReturnWithoutTypingLeavesTheValueAndShowsItsTextAgain)
{
    CPlugInView* root = twoEditors("ct01");
    CTextControlEditor* ted = editor(FourCharCode("ted1"));
    click(*root, 20, 15);
    ted->GetTextView()->SetText(std::string_view("junk"));
    EXPECT_TRUE(type(*root, '\r'));
    EXPECT_EQ(control(1).lastText, "");
    EXPECT_EQ(controlValue(1), 100);
    EXPECT_EQ(textOf(*ted), "100");
}

TEST_F(TextEditors, EnterAcceptsAndEditsOn)
{
    CPlugInView* root = twoEditors("ct01");
    CTextControlEditor* ted = editor(FourCharCode("ted1"));
    click(*root, 20, 15);
    type(*root, '4');
    type(*root, '2');
    EXPECT_TRUE(type(*root, 3));
    EXPECT_EQ(controlValue(1), 42);
    EXPECT_TRUE(ted->IsEditing());
    EXPECT_EQ(root->GetKeyFocus(), ted);
}

TEST_F(TextEditors, TabAcceptsAndMovesToTheNextEditor)
{
    CPlugInView* root = twoEditors("ct01", "", "ct03");
    click(*root, 20, 15);
    type(*root, '5');
    EXPECT_TRUE(type(*root, '\t'));
    EXPECT_EQ(controlValue(1), 5);
    EXPECT_FALSE(editor(FourCharCode("ted1"))->IsEditing());
    EXPECT_TRUE(editor(FourCharCode("ted2"))->IsEditing());
    EXPECT_EQ(root->GetKeyFocus(), editor(FourCharCode("ted2")));
}

TEST_F(TextEditors, EscapeAndAClickElsewhereCancel)
{
    CPlugInView* root = twoEditors("ct01");
    CTextControlEditor* ted = editor(FourCharCode("ted1"));
    click(*root, 20, 15);
    type(*root, '5');
    EXPECT_TRUE(type(*root, 27));
    EXPECT_EQ(controlValue(1), 100);
    EXPECT_FALSE(ted->IsEditing());
    EXPECT_EQ(textOf(*ted), "100");

    click(*root, 20, 15);
    type(*root, '6');
    click(*root, 150, 80);
    EXPECT_EQ(controlValue(1), 100);
    EXPECT_FALSE(ted->IsEditing());
    EXPECT_EQ(control(1).lastText, "");
}

TEST_F(TextEditors, AConversionErrorShowsTheValueAgain)
{
    CPlugInView* root = twoEditors("ct01");
    CTextControlEditor* ted = editor(FourCharCode("ted1"));
    click(*root, 20, 15);
    type(*root, '9');
    EXPECT_TRUE(type(*root, '\r'));
    EXPECT_EQ(control(1).lastText, "9");
    EXPECT_EQ(controlValue(1), 100);
    EXPECT_EQ(textOf(*ted), "100");
}

TEST_F(TextEditors, NoIDNeverMakesAControlView)
{
    CPlugInView* root = twoEditors("NoID");
    CTextControlEditor* ted = editor(FourCharCode("ted1"));
    EXPECT_EQ(ted->GetControlView(), nullptr);
    int children = 0;
    for (CPlugInView* child = root->GetFirstSubView(); child != nullptr; child = child->GetNextSibling())
        ++children;
    EXPECT_EQ(children, 1);
    EXPECT_EQ(textOf(*ted), "");
    ted->SetValue(55);
    EXPECT_EQ(ted->GetValue(), 55);
    EXPECT_EQ(ted->GetNumSteps(), 1);
    EXPECT_EQ(ted->StepToValue(3), 0);
    click(*root, 20, 15);
    ASSERT_TRUE(ted->IsEditing());
    EXPECT_FALSE(type(*root, '1')); // no control to take the key
}

TEST_F(TextEditors, TwoEditorsOfOneIdShareOneControlViewAndBothRedisplay)
{
    CPlugInView* root = twoEditors("ct02", "", "ct02");
    CTextControlEditor* first = editor(FourCharCode("ted1"));
    CTextControlEditor* second = editor(FourCharCode("ted2"));
    ASSERT_NE(first->GetControlView(), nullptr);
    EXPECT_EQ(first->GetControlView(), second->GetControlView());
    // The view made on the fly follows the root's last child.
    CPlugInView* last = root->GetFirstSubView();
    while (last->GetNextSibling() != nullptr)
        last = last->GetNextSibling();
    EXPECT_EQ(last, first->GetControlView());
    EXPECT_EQ(last->GetID(), FourCharCode("ct02"));

    first->SetValue(INT32_MAX);
    EXPECT_EQ(controlValue(2), INT32_MAX);
    EXPECT_EQ(textOf(*first), "2147483647");
    EXPECT_EQ(textOf(*second), "2147483647");
    EXPECT_EQ(second->GetStep(), 2);
}

TEST_F(TextEditors, AnIdOfAnotherClassGivesNoControlView)
{
    CPlugInView* root =
        makeProcess({editorAt(10, "ted1", "othr"), textViewAt(10), "150,10,20,20:!Background[('othr')]"});
    EXPECT_EQ(editor(FourCharCode("ted1"))->GetControlView(), nullptr);
    EXPECT_NE(root->FindSubViewByID(FourCharCode("othr")), nullptr);
}

TEST_F(TextEditors, DescriptionsReadTheControlIdAndReverseOnly)
{
    const auto readingError = [](const std::string& text) {
        return kravo::test::readingError<CTextControlEditor>(text);
    };
    EXPECT_EQ(readingError("!TextEditor[('ted1')]"), kHostErrNullValue);
    EXPECT_EQ(readingError("!TextEditor[('ted1')()]"), kHostErrNullValue);
    EXPECT_EQ(readingError("!TextEditor[('ted1')(reverse)]"), 0);
    EXPECT_EQ(readingError("!TextEditor[('ted1')('ct01' reverse)]"), 0);
    EXPECT_EQ(readingError("!TextEditor[('ted1')('ct01' 5)]"), kHostErrCheckFailed);
    EXPECT_EQ(readingError("!TextEditor[('ted1')('ct01' plate)]"), kHostErrCheckFailed);

    const auto baseError = [](const std::string& text) -> std::int32_t {
        const SViewRecord record = kravo::test::editorRecord(text);
        SParseState state(&record);
        EXPECT_TRUE(ParseDescription(state)) << text;
        CControlEditor view;
        const std::int32_t code = kravo::test::hostErrorCode([&] { view.ReadDescription(state); });
        if (code == 0) {
            EXPECT_EQ(view.GetControlID(), FourCharCode("ct01"));
        }
        return code;
    };
    EXPECT_EQ(baseError("!Background[('ed  ')('ct01')]"), 0);
    EXPECT_EQ(baseError("!Background[('ed  ')]"), kHostErrNullValue);
    EXPECT_EQ(baseError("!Background[('ed  ')()]"), kHostErrNullValue);
    EXPECT_EQ(baseError("!Background[('ed  ')('ct01' 'ct02')]"), kHostErrCheckFailed);
    EXPECT_EQ(baseError("!Background[('ed  ')(reverse)]"), kHostErrCheckFailed);
}

TEST_F(TextEditors, DeletingTheTreeInAnyOrderLeavesNoBinding)
{
    CPlugInView* root = twoEditors("ct02", "", "ct02");
    CTextControlEditor* first = editor(FourCharCode("ted1"));
    CTextControlEditor* second = editor(FourCharCode("ted2"));
    CControlView* view = first->GetControlView();
    click(*root, 20, 15);
    delete first;
    EXPECT_EQ(view->GetFirstEditor(), second);
    delete view;
    EXPECT_EQ(second->GetControlView(), nullptr);
    process->SetViewPort(nullptr);
}

} // namespace
