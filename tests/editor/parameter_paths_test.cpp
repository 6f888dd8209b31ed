#include "tests/editor/editor_test.h"

#include "toolkit/knob.h"

#include <algorithm>
#include <thread>
#include <tuple>

namespace {

using Toolkit::CKnob;

class ParameterPaths : public kravo::test::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ASSERT_TRUE(openEditor());
    }
    void TearDown() override
    {
        closeEditor();
        for (CKnob* knob : knobs)
            knob->forget();
        EditorTest::TearDown();
    }
    // A continuous control of the tag, registered as the pages' factories register theirs.
    CKnob* knob(std::int32_t tag, bool registered = true)
    {
        knobs.push_back(new CKnob(Toolkit::CRect(0, 0, 20, 20), editor, tag, nullptr, nullptr, Toolkit::CPoint(0, 0)));
        if (registered)
            editor->registerControl(knobs.back());
        return knobs.back();
    }
    bool automated(std::int32_t index) const
    {
        return std::any_of(hostCalls().begin(), hostCalls().end(),
                           [&](const HostCall& call) { return call.opcode == hostOpSetParameterAutomated && call.index == index; });
    }

    std::vector<CKnob*> knobs;
};

TEST_F(ParameterPaths, AControlSendsItsTagBelow9000AndEveryControlOfATagShowsTheStoredValue)
{
    CKnob* first = knob(130);
    CKnob* second = knob(130);
    EXPECT_EQ(first->getDefaultValue(), plugin->getDefaultValues()[130]);
    first->setValue(0.25f);
    editor->valueChanged(nullptr, first);
    EXPECT_EQ(plugin->getParameter(130), 0.25f);
    EXPECT_TRUE(automated(130));
    EXPECT_EQ(second->getValue(), 0.25f); // the plug-in told the editor, which showed it on the other

    CKnob* high = knob(9500);
    const float before = plugin->getParameter(9500);
    high->setValue(before == 0.5f ? 0.75f : 0.5f);
    editor->valueChanged(nullptr, high);
    EXPECT_EQ(plugin->getParameter(9500), before);
    EXPECT_FALSE(automated(9500));

    plugin->setParameter(130, 1.5f); // as the host writes it
    EXPECT_EQ(std::tuple(first->getValue(), second->getValue()), std::tuple(1.0f, 1.0f));
    dispatch(plugEditClose, 0, nullptr);
    plugin->setParameter(130, 0.5f);
    EXPECT_EQ(first->getValue(), 1.0f); // a closed editor touches no control
    EXPECT_EQ(editor->registryCount, 0);
}

TEST_F(ParameterPaths, TheEditedControlIsTheFirstRegisteredWithTheTagAndARefreshInsideARefreshDoesNothing)
{
    CKnob* first = knob(200);
    knob(200);
    editor->trackEditedControl(200);
    EXPECT_EQ(editor->editedControl, first);
    editor->trackEditedControl(4321); // no control holds it: unchanged
    EXPECT_EQ(editor->editedControl, first);
    for (const std::int32_t clearing : {-1, 9999}) {
        editor->trackEditedControl(200);
        editor->trackEditedControl(clearing);
        EXPECT_EQ(editor->editedControl, nullptr) << clearing;
    }

    plugin->setParameter(200, 0.3f);
    first->setValue(0.9f);
    editor->refreshBusy = 1;
    editor->refreshAll();
    EXPECT_EQ(first->getValue(), 0.9f);
    editor->refreshBusy = 0;
    editor->refreshAll();
    EXPECT_EQ(std::tuple(first->getValue(), editor->refreshBusy), std::tuple(0.3f, std::uint8_t{0}));
}

// A full registry turns further controls away; those it holds keep working.
TEST_F(ParameterPaths, AFullRegistryLeavesTheNextControlOutAndKeepsItsOwn)
{
    CKnob* shared = knob(300);
    for (int n = 1; n < uEditor::kRegistrySize; ++n)
        editor->registerControl(shared);
    ASSERT_EQ(editor->registryCount, uEditor::kRegistrySize);
    CKnob* late = knob(300);
    EXPECT_EQ(editor->registryCount, uEditor::kRegistrySize);
    late->setValue(0.1f);
    plugin->setParameter(300, 0.6f);
    EXPECT_EQ(std::tuple(shared->getValue(), late->getValue()), std::tuple(0.6f, 0.1f));
    editor->refreshAll();
    EXPECT_EQ(editor->controlRegistry.back(), shared);
}

// A learned controller on another thread only marks its parameter; the editor's idle shows it.
TEST_F(ParameterPaths, AChangeMadeOnAnotherThreadReachesTheControlAtTheNextIdle)
{
    CKnob* learned = knob(400);
    learned->setValue(0.0f);
    std::thread audio([&] { plugin->setParameter(400, 0.8f); });
    audio.join();
    EXPECT_EQ(learned->getValue(), 0.0f);
    idle();
    EXPECT_EQ(learned->getValue(), 0.8f);
}

float modelValue(int model) { return (static_cast<float>(model) + 0.5f) / 199.99f; }

// Model stepping stays inside the voice's models; the Tom / User voices step over the kind they are.
TEST_F(ParameterPaths, StepModelKeepsTheFirstAndLastModelsAndTomUserFollowsItsSwitch)
{
    editor->selectedVoice = 0;
    plugin->setParameter(144, modelValue(27));
    editor->stepModel(+1);
    EXPECT_EQ(plugin->getParameter(144), modelValue(27));
    plugin->setParameter(144, modelValue(0));
    editor->stepModel(-1);
    EXPECT_EQ(plugin->getParameter(144), modelValue(0));
    editor->stepModel(+1);
    EXPECT_EQ(plugin->getParameter(144), modelValue(1));

    editor->selectedVoice = 10;
    for (const auto& [userMode, parameter, last] : {std::tuple{0.0f, 653, 12}, std::tuple{1.0f, 886, 139}}) {
        plugin->setParameter(1770, userMode);
        plugin->setParameter(parameter, modelValue(last));
        editor->stepModel(+1);
        EXPECT_EQ(plugin->getParameter(parameter), modelValue(last)) << parameter;
        editor->stepModel(-1);
        EXPECT_EQ(plugin->getParameter(parameter), modelValue(last - 1)) << parameter;
    }
}

} // namespace
