#include "hostframework/controls/host_value_conversions.h"
#include "hostframework/views/control_editor.h"
#include "hostframework/views/process_control_view.h"
#include "hostframework/views/view_builder.h"
#include "hostframework/views/view_description.h"
#include "platform/four_char_code.h"
#include "tests/hostframework/views/built_editor.h"
#include "tests/hostframework/views/view_test.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

using kravo::test::ViewTest;

SViewRecord recordOf(const std::string& text)
{
    return kravo::test::editorRecord(text, {0, 0, 10, 10});
}

// A control view of the steps, read from its description.
std::unique_ptr<CControlView> withSteps(int steps)
{
    auto view = std::make_unique<CControlView>();
    const SViewRecord record = recordOf("!Background[('ctrl')(\"Steps\" " + std::to_string(steps) + " 0)]");
    SParseState state(&record);
    EXPECT_TRUE(ParseDescription(state));
    view->ReadDescription(state);
    return view;
}

std::string nameOf(CControlView& view)
{
    std::uint8_t name[256] = {};
    view.GetName(name);
    return {reinterpret_cast<const char*>(name + 1), name[0]};
}

std::string valueTextOf(CControlView& view, std::int32_t value, std::int32_t maxLength = 255)
{
    std::uint8_t text[256] = {};
    view.GetValueText(value, text, maxLength);
    return {reinterpret_cast<const char*>(text + 1), text[0]};
}

// An editor that counts its redisplays and redraws.
class CountingEditor : public CControlEditor {
public:
    void UpdateFromControl() override { ++updates; }
    void Draw(const HostRect* area) override
    {
        ++draws;
        CControlEditor::Draw(area);
    }
    int updates = 0;
    int draws = 0;
};

class ControlViews : public ViewTest {
protected:
    // The code a control view's reading of the description fails with; 0 when it reads.
    static std::int32_t readingError(const std::string& text)
    {
        return kravo::test::readingError<CProcessControlView>(text, {0, 0, 10, 10});
    }
};

TEST_F(ControlViews, StepsSpanTheHostRangeWithAnOddCountsMiddleAtZero)
{
    auto three = withSteps(3);
    EXPECT_EQ(three->StepToValue(0), INT32_MIN);
    EXPECT_EQ(three->StepToValue(1), 0);
    EXPECT_EQ(three->StepToValue(2), INT32_MAX);
    EXPECT_EQ(three->ValueToStep(0), 1);
    EXPECT_EQ(three->ValueToStep(INT32_MIN), 0);
    EXPECT_EQ(three->ValueToStep(INT32_MAX), 2);

    auto four = withSteps(4);
    EXPECT_EQ(four->StepToValue(2), 715827882);
    EXPECT_EQ(four->ValueToStep(0), 2); // 1.5 rounds up
    EXPECT_EQ(four->ValueToStep(four->StepToValue(1)), 1);

    auto one = withSteps(1);
    EXPECT_EQ(one->StepToValue(0), INT32_MIN);
    for (const std::int32_t value : {INT32_MIN, -1, 0, 12345, INT32_MAX})
        EXPECT_EQ(one->ValueToStep(value), 0);

    // The host controls' discrete conversions are the same mapping.
    EXPECT_EQ(ValueToHostLinear(2, 0, 3), discreteToHostValue(2, 0, 3));
    EXPECT_EQ(HostToValueLinear(0, 0, 3), hostValueToDiscrete(0, 0, 3));

    four->SetStep(3);
    EXPECT_EQ(four->GetValue(), INT32_MAX);
    EXPECT_EQ(four->GetStep(), 3);
}

TEST_F(ControlViews, TheDescriptionGivesNameStepsValueAndDefault)
{
    const SViewRecord record =
        recordOf("!ProcessControl[('ctrl')(\"" + std::string(70, 'n') + "\" 5 65536 -7)]");
    bool isDescription = false;
    std::unique_ptr<CCustomView> built(BuildViewFromRecord(&record, &isDescription));
    auto* view = dynamic_cast<CProcessControlView*>(built.get());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetID(), FourCharCode("ctrl"));
    EXPECT_EQ(nameOf(*view), std::string(63, 'n'));
    EXPECT_EQ(view->GetNumSteps(), 5);
    EXPECT_EQ(view->GetValue(), 65536);
    EXPECT_EQ(view->GetDefaultValue(), -7);
    EXPECT_TRUE(view->IsControlView());
    EXPECT_FALSE(CControlView().IsControlView());
    EXPECT_EQ(withSteps(2)->GetDefaultValue(), 0);
}

TEST_F(ControlViews, AMissingFirstThreeOrAnotherKindDoesNotRead)
{
    EXPECT_EQ(readingError("!Background[('ctrl')]"), kHostErrNullValue);
    EXPECT_EQ(readingError("!Background[('ctrl')()]"), kHostErrNullValue);
    EXPECT_EQ(readingError("!Background[('ctrl')(\"a\")]"), kHostErrNullValue);
    EXPECT_EQ(readingError("!Background[('ctrl')(\"a\" 2)]"), kHostErrNullValue);
    EXPECT_EQ(readingError("!Background[('ctrl')(\"a\" 2 0)]"), 0);
    EXPECT_EQ(readingError("!Background[('ctrl')(\"a\" 2 0 5)]"), 0);
    EXPECT_EQ(readingError("!Background[('ctrl')(\"a\" 2 0 5 6)]"), kHostErrCheckFailed);
    EXPECT_EQ(readingError("!Background[('ctrl')(7 2 0)]"), kHostErrCheckFailed);
    EXPECT_EQ(readingError("!Background[('ctrl')(\"a\" \"b\" 0)]"), kHostErrCheckFailed);
    EXPECT_EQ(readingError("!Background[('ctrl')(\"a\" 2 plate)]"), kHostErrCheckFailed);
    EXPECT_EQ(readingError("!Background[('ctrl')(\"a\" 2 0 'abcd')]"), kHostErrCheckFailed);
}

TEST_F(ControlViews, TheHostsHighlightRedrawsTheEditorsOnlyWhenWhatTheyShowChanged)
{
    CControlView view;
    CountingEditor editor;
    view.AddEditor(&editor);
    view.SetHostHighlight(0, 0, "new text");
    EXPECT_EQ(editor.draws, 0);
    std::int16_t colour = -1;
    std::int16_t number = -1;
    const char* text = nullptr;
    view.GetHostHighlight(&colour, &number, &text);
    EXPECT_STREQ(text, "new text");
    view.SetHostHighlight(2, 0, "new text");
    EXPECT_EQ(editor.draws, 1);
    view.SetHostHighlight(2, 9, "other");
    EXPECT_EQ(editor.draws, 2);
    view.SetHostHighlighted(true);
    view.SetHostHighlighted(true);
    EXPECT_EQ(editor.draws, 3);

    // The editor and every view inside it see its control's highlight.
    EXPECT_TRUE(editor.IsHighlightedByHost());
    editor.GetHostHighlight(&colour, &number, &text);
    EXPECT_EQ(colour, 2);
    EXPECT_EQ(number, 9);
    EXPECT_STREQ(text, "other");
    // A text longer than the field is cut.
    const std::string longText(300, 't');
    view.SetHostHighlight(2, 9, longText.c_str());
    view.GetHostHighlight(&colour, &number, &text);
    EXPECT_EQ(std::string(text), std::string(255, 't'));
}

TEST_F(ControlViews, AnUnboundProcessControlViewActsOnItsOwnFields)
{
    CProcessControlView view;
    EXPECT_EQ(valueTextOf(view, 65536 * 7 + 1), "7");
    EXPECT_EQ(valueTextOf(view, -65536 * 3), "-3");
    EXPECT_EQ(valueTextOf(view, 65536 * 12345, 3), "123");
    view.SetValue(42);
    EXPECT_EQ(view.GetValue(), 42);
    EXPECT_EQ(view.GetNumSteps(), 1);
    std::int32_t value = 99;
    EXPECT_EQ(view.SetValueFromText(&value, "17"), 0);
    EXPECT_EQ(value, 0);
    bool valid = true;
    view.IsKeyValid('1', &valid);
    EXPECT_FALSE(valid);
    EXPECT_EQ(view.GetProcess(), nullptr);
}

TEST_F(ControlViews, AnEditorJoinsOneChainOnceAndLeavesItWhenEitherGoes)
{
    auto view = std::make_unique<CControlView>();
    CountingEditor first;
    auto second = std::make_unique<CountingEditor>();
    view->AddEditor(&first);
    view->AddEditor(second.get());
    view->AddEditor(&first);
    view->AddEditor(second.get());
    EXPECT_EQ(view->GetFirstEditor(), &first);
    EXPECT_EQ(first.GetNextEditor(), second.get());
    EXPECT_EQ(second->GetNextEditor(), nullptr);
    EXPECT_EQ(first.updates, 1);
    EXPECT_EQ(second->GetControlView(), view.get());

    // Bound to one view, an editor does not join another.
    CControlView other;
    other.AddEditor(&first);
    EXPECT_EQ(other.GetFirstEditor(), nullptr);
    EXPECT_THROW(first.SetControlView(&other), CHostError);

    view->UpdateControlEditors();
    EXPECT_EQ(first.updates, 2);
    EXPECT_EQ(second->updates, 2);

    second.reset();
    EXPECT_EQ(first.GetNextEditor(), nullptr);
    view->UpdateControlEditors();
    EXPECT_EQ(first.updates, 3);

    view.reset();
    EXPECT_EQ(first.GetControlView(), nullptr);
    EXPECT_EQ(first.GetValue(), 0);
}

TEST_F(ControlViews, RemovingAnEditorOutsideTheChainLeavesTheChainAlone)
{
    CControlView view;
    CountingEditor inside;
    CountingEditor outside;
    view.AddEditor(&inside);
    view.RemoveEditor(&outside);
    view.RemoveEditor(nullptr);
    view.AddEditor(nullptr);
    EXPECT_EQ(view.GetFirstEditor(), &inside);
    view.RemoveAllEditors();
    EXPECT_EQ(view.GetFirstEditor(), nullptr);
    EXPECT_EQ(inside.GetControlView(), nullptr);
}

} // namespace
