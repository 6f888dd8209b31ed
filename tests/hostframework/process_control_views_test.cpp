#include "hostframework/views/control_editor.h"
#include "hostframework/views/process_control_view.h"
#include "hostlibs/engine/host_engine_control.h"
#include "platform/four_char_code.h"
#include "tests/hostframework/views/control_process_test.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

using kravo::test::ControlProcessTest;

// Each dispatched token from the index on as "CLASS/SELECTOR", a touch with its state.
std::vector<std::string> sentFrom(std::size_t from)
{
    std::vector<std::string> texts;
    const auto tokens = hostengine::dispatchedTokens();
    for (std::size_t i = from; i < tokens.size(); ++i) {
        std::uint32_t messageClass = 0;
        std::uint32_t selector = 0;
        std::memcpy(&messageClass, &tokens[i][4], 4);
        std::memcpy(&selector, &tokens[i][8], 4);
        std::string text;
        for (const std::uint32_t code : {messageClass, selector}) {
            if (!text.empty())
                text += '/';
            for (int shift = 24; shift >= 0; shift -= 8)
                text += static_cast<char>(code >> shift);
        }
        if (selector == FourCharCode("CTCH")) {
            std::int16_t state = 0;
            std::memcpy(&state, &tokens[i][38], 2);
            text += ' ';
            text += std::to_string(state);
        }
        texts.push_back(text);
    }
    return texts;
}

// The host's component dispatcher of a test: the requests that came without parameters.
std::vector<std::int16_t>& dispatchedRequests()
{
    static std::vector<std::int16_t> requests;
    return requests;
}

std::int16_t recordingDispatcher(std::int16_t request, ComponentRecord* /*component*/, char** parameters)
{
    dispatchedRequests().push_back(parameters == nullptr ? request : std::int16_t{-1});
    return 0;
}

CProcessControlView* controlViewIn(CPlugInView* root, const char (&id)[5])
{
    return dynamic_cast<CProcessControlView*>(root->FindSubViewByID(FourCharCode(id)));
}

using ControlViewBridge = ControlProcessTest;

TEST_F(ControlViewBridge, APortBindsEachProcessControlViewToItsPositionAndNoPortUnbinds)
{
    CPlugInView* root = makeProcess({"0,0,0,0:!ProcessControl[('ct03')(\"Three\" 5 0)]",
                                     "1,1,0,0:!ProcessControl[('zzzz')(\"Other\" 5 0)]"});
    CProcessControlView* three = controlViewIn(root, "ct03");
    CProcessControlView* other = controlViewIn(root, "zzzz");
    ASSERT_NE(three, nullptr);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(three->GetProcess(), nullptr);

    attachPort();
    EXPECT_EQ(three->GetProcess(), process.get());
    EXPECT_EQ(three->GetControlIndex(), 3);
    EXPECT_EQ(three->GetValue(), 300);
    EXPECT_EQ(three->GetNumSteps(), 128);
    EXPECT_EQ(three->GetDefaultValue(), 21);
    EXPECT_EQ(other->GetProcess(), nullptr);

    // Bound, values go to the control and the control's texts come back.
    three->SetValue(65);
    EXPECT_EQ(controlValue(3), 65);
    std::uint8_t text[256] = {};
    three->GetValueText(1234, text, 255);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(text + 1), text[0]), "1234");
    std::int32_t read = 0;
    EXPECT_EQ(three->SetValueFromText(&read, "77"), 0);
    EXPECT_EQ(read, 77);
    EXPECT_EQ(three->SetValueFromText(&read, "9"), kHostErrUnexpected);
    bool valid = false;
    three->IsKeyValid('5', &valid);
    EXPECT_TRUE(valid);

    process->SetViewPort(nullptr);
    EXPECT_EQ(three->GetProcess(), nullptr);
    EXPECT_EQ(three->GetControlIndex(), 0);
    // Unbound, it keeps the value it last had.
    EXPECT_EQ(three->GetValue(), 65);
}

TEST_F(ControlViewBridge, AControlsViewIdIsItsOwnAndPastTheControlsABoundViewAmongTheRootsChildren)
{
    CPlugInView* root = makeProcess({"0,0,0,0:!ProcessControl[('xtra')(\"Extra\" 2 0)]"});
    std::uint32_t id = 0;
    EXPECT_EQ(process->GetControlViewID(2, &id), 0);
    EXPECT_EQ(id, FourCharCode("ct02"));
    EXPECT_EQ(process->GetControlViewID(7, &id), kHostErrBadListPosition);
    EXPECT_EQ(id, FourCharCode("NONE"));

    controlViewIn(root, "xtra")->AttachToControl(process.get(), 7, false);
    EXPECT_EQ(process->GetControlViewID(7, &id), 0);
    EXPECT_EQ(id, FourCharCode("xtra"));
    EXPECT_EQ(process->GetControlViewID(8, &id), kHostErrBadListPosition);

    CProcessGroup::SetHostViewsDisabled(true);
    EXPECT_EQ(process->GetControlViewID(7, &id), kHostErrBadListPosition);
    CProcessGroup::SetHostViewsDisabled(false);
}

TEST_F(ControlViewBridge, AValueFromElsewhereRedisplaysTheControlsEditors)
{
    CPlugInView* root =
        makeProcess({"10,10,80,16:!TextEditor[('ted1')('ct04')]", "10,10,80,16,off:!StaticText[('text')()]"});
    attachPort();
    process->ApplyControlValue(4, 4444);
    process->UpdateControlView(4, 4444);
    auto* editor = dynamic_cast<CControlEditor*>(root->FindSubViewByID(FourCharCode("ted1")));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->GetValue(), 4444);
    EXPECT_EQ(process->UpdateControlView(9, 0), 0);
}

TEST_F(ControlViewBridge, AHighlightTokenHighlightsTheControlsView)
{
    withMessaging();
    CPlugInView* root = makeProcess({"0,0,0,0:!ProcessControl[('ct01')(\"One\" 2 0)]"});
    CProcessControlView* view = controlViewIn(root, "ct01");
    ASSERT_NE(view, nullptr);

    // Twelve characters of text fill the token's field: no terminating zero follows them.
    std::vector<std::uint8_t> token(56, 0xEE);
    const std::uint32_t setv = FourCharCode("SETV");
    const std::uint32_t chil = FourCharCode("CHIL");
    const std::int16_t flag = 1;
    const std::int16_t number = 5;
    const std::int16_t colour = 2;
    std::memcpy(&token[4], &setv, 4);
    std::memcpy(&token[8], &chil, 4);
    std::memcpy(&token[38], &flag, 2);
    std::memcpy(&token[40], &number, 2);
    std::memcpy(&token[42], "abcdefghijkl", 12);
    std::memcpy(&token[54], &colour, 2);
    const auto listeners = hostengine::liveListeners();
    ASSERT_FALSE(listeners.empty());
    hostengine::queueToken(token, listeners.front().taskValue);
    process->Idle(nullptr);

    EXPECT_TRUE(view->IsHighlightedByHost());
    std::int16_t shownColour = 0;
    std::int16_t shownNumber = 0;
    const char* text = nullptr;
    view->GetHostHighlight(&shownColour, &shownNumber, &text);
    EXPECT_EQ(shownColour, 2);
    EXPECT_EQ(shownNumber, 5);
    EXPECT_STREQ(text, "abcdefghijkl");

    std::int16_t on = 0;
    std::int16_t asked = 0;
    EXPECT_EQ(process->GetControlHighlight(1, &on, &asked), 0);
    EXPECT_EQ(on, 1);
    EXPECT_EQ(asked, 2);

    EXPECT_EQ(process->SetControlHighlight(1, 0, 3), 0);
    EXPECT_FALSE(view->IsHighlightedByHost());
    view->GetHostHighlight(&shownColour, &shownNumber, &text);
    EXPECT_EQ(shownColour, 3);
    EXPECT_EQ(shownNumber, 5);
    EXPECT_STREQ(text, "abcdefghijkl");

    // A control without a view answers nothing highlighted.
    on = 1;
    asked = 1;
    EXPECT_EQ(process->GetControlHighlight(2, &on, &asked), 0);
    EXPECT_EQ(on, 0);
    EXPECT_EQ(asked, 0);
}

TEST_F(ControlViewBridge, AClickOnAnEditorTouchesItsControlAtThePressAndReleasesItAtTheRelease)
{
    withMessaging();
    CPlugInView* root =
        makeProcess({"10,10,80,16:!TextEditor[('ted3')('ct03')]", "10,10,80,16,off:!StaticText[('text')()]"});
    attachPort();
    const std::size_t before = hostengine::dispatchedTokens().size();
    std::vector<std::string> whileHeld;
    group.hostAction = [&] { whileHeld = sentFrom(before); };
    script().move(20, 15);
    script().press(VK_LBUTTON);
    script().wait(30);
    script().release(VK_LBUTTON);
    click(*root, 20, 15);
    EXPECT_EQ(whileHeld, (std::vector<std::string>{"SETV/CTCH 1", "SETV/CAIG"}));
    EXPECT_EQ(sentFrom(before), (std::vector<std::string>{"SETV/CTCH 1", "SETV/CAIG", "SETV/CTCH 0"}));
    std::int32_t index = 0;
    auto* editor = dynamic_cast<CControlEditor*>(root->FindSubViewByID(FourCharCode("ted3")));
    editor->GetControlIndexAt(&index);
    EXPECT_EQ(index, 3);
}

TEST_F(ControlViewBridge, AnEditorOfNoProcessTouchesNothing)
{
    withMessaging();
    CPlugInView* root =
        makeProcess({"10,10,80,16:!TextEditor[('ted3')('ct03')]", "10,10,80,16,off:!StaticText[('text')()]"});
    root->SetPort(viewPort({0, 0, 100, 200}));
    const std::size_t before = hostengine::dispatchedTokens().size();
    click(*root, 20, 15);
    EXPECT_TRUE(sentFrom(before).empty());
}

TEST_F(ControlViewBridge, ABoundControlViewsIdleCallsTheHostsProcedureWhenItInstalledOne)
{
    CPlugInView* root = makeProcess({"0,0,0,0:!ProcessControl[('ct01')(\"One\" 2 0)]"});
    attachPort();
    CProcessControlView* view = controlViewIn(root, "ct01");
    dispatchedRequests().clear();
    view->Idle(nullptr);
    EXPECT_TRUE(dispatchedRequests().empty());
    group.SetComponentDispatcher(&recordingDispatcher);
    const int yields = group.yields;
    view->Idle(nullptr);
    group.SetComponentDispatcher(nullptr);
    EXPECT_EQ(dispatchedRequests(), (std::vector<std::int16_t>{16}));
    EXPECT_EQ(group.yields, yields + 1); // then the children's idle, which lets the host run
}

} // namespace
