#include "tests/editor/editor_test.h"

#include "platform/forced_failures.h"
#include "platform/module_loading.h"
#include "platform/shared_library.h"
#include "platform/window/window_testing.h"
#include "plugin/settings/registry_settings.h"
#include "toolkit/bitmap.h"
#include "toolkit/frame.h"
#include "toolkit/offscreen_context.h"
#include "toolkit/view_container.h"
#include "tests/support/temp_folder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <tuple>

namespace {

using kravo::test::EditorTest;
using Toolkit::CRect;

std::tuple<int, int, int, int> edges(const CRect& r) { return {r.left, r.top, r.right, r.bottom}; }
std::tuple<int, int, int, int> edges(Toolkit::CView* view)
{
    CRect size;
    return edges(view->getViewSize(size));
}

// Everything open builds is gone and a later open may try again.
void expectClosed(uEditor& editor, APlugin& plugin)
{
    EXPECT_EQ(editor.getFrame(), nullptr);
    EXPECT_EQ(editor.synthVoiceContainer, nullptr);
    EXPECT_EQ(editor.pageTabContainer, nullptr);
    EXPECT_TRUE(std::all_of(editor.images.begin(), editor.images.end(), [](auto* image) { return image == nullptr; }));
    EXPECT_EQ(editor.registryCount, 0);
    EXPECT_FALSE(editor.isOpen());
    EXPECT_FALSE(plugin.editorOpening.load());
}

TEST_F(EditorTest, DestroyingThePluginWithItsEditorOpenClosesTheEditorFirst)
{
    const auto gdiBefore = platform::gdiObjectCounts();
    const std::size_t windowsBefore = platform::windowCount();
    ASSERT_TRUE(openEditor());
    ASSERT_GT(platform::windowCount(), windowsBefore);
    plugin.reset();
    EXPECT_EQ(platform::windowCount(), windowsBefore + 1); // the host's parent window stays
    EXPECT_EQ(platform::gdiObjectCounts(), gdiBefore);
}

TEST_F(EditorTest, OpensAndClosesAgainAndAgainLeavingNothingBehindAndKeepingItsPage)
{
    ERect* rect = nullptr;
    ASSERT_EQ(dispatch(plugEditGetRect, 0, &rect), 1);
    EXPECT_EQ(std::tuple(rect->left, rect->top, rect->right, rect->bottom), std::tuple(0, 0, 984, 623));
    EXPECT_NE(plugin->getPluginRecord()->flags & plugFlagsHasEditor, 0);

    const auto gdiBefore = platform::gdiObjectCounts();
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(openEditor()) << round;
        EXPECT_FALSE(plugin->editorOpening.load());
        EXPECT_TRUE(plugin->isEditorOpen());
        EXPECT_EQ(edges(editor->getFrame()), std::tuple(0, 0, 984, 623));
        EXPECT_EQ(edges(editor->voiceSelectorContainer), std::tuple(31, 383, 229, 591));
        EXPECT_EQ(edges(editor->patternContainer), std::tuple(233, 383, 953, 591));
        EXPECT_EQ(editor->image(10000)->getWidth(), 984);
        ASSERT_EQ(dispatch(plugEditGetRect, 0, &rect), 1);
        EXPECT_EQ(std::tuple(rect->right, rect->bottom), std::tuple(984, 623));
        idle(100);
        editor->selectedVoice = 7 + round;
        editor->pageMode = 2;

        dispatch(plugEditClose, 0, nullptr);
        expectClosed(*editor, *plugin);
        EXPECT_EQ(std::tuple(editor->selectedVoice, editor->pageMode), std::tuple(7 + round, 2));
        EXPECT_EQ(platform::gdiObjectCounts(), gdiBefore) << round;
        EXPECT_EQ(platform::windowCount(), 1u) << round; // the parent alone
    }
}

// A host that opens the editor again without closing it gets one editor, and nothing is left over.
TEST_F(EditorTest, AnOpenWithoutACloseMovesTheEditorAndLeavesNothingOfTheFirst)
{
    const auto gdiBefore = platform::gdiObjectCounts();
    ASSERT_TRUE(openEditor());
    ASSERT_TRUE(openEditor());
    EXPECT_EQ(platform::windowCount(), 2u); // the parent and one frame
    ASSERT_TRUE(openEditor());
    dispatch(plugEditClose, 0, nullptr);
    expectClosed(*editor, *plugin);
    EXPECT_EQ(platform::gdiObjectCounts(), gdiBefore);
    EXPECT_EQ(platform::windowCount(), 1u);
}

TEST_F(EditorTest, AnEditorWhoseWindowCannotBeMadeAnswersFalseLeavesNothingAndOpensLater)
{
    const auto gdiBefore = platform::gdiObjectCounts();
    platform::failNextWindowCreation();
    ASSERT_FALSE(openEditor());
    expectClosed(*editor, *plugin);
    EXPECT_EQ(platform::gdiObjectCounts(), gdiBefore);
    EXPECT_EQ(platform::windowCount(), 0u); // the parent's creation was the one that failed...
    // ...so the next open makes its parent and the editor's window.
    ASSERT_TRUE(openEditor());
    platform::failNextWindowCreation();
    dispatch(plugEditClose, 0, nullptr);
    ASSERT_FALSE(dispatch(plugEditOpen, 0, parent));
    expectClosed(*editor, *plugin);
    EXPECT_TRUE(openEditor());
}

// An editor whose last page builder notes what the plug-in object shows of the build.
class WatchingEditor : public uEditor {
public:
    using uEditor::uEditor;
    bool openingSeen = false;
    bool editorOpenSeen = true;

protected:
    void buildPatternPage() override
    {
        openingSeen = static_cast<APlugin*>(effect)->editorOpening.load();
        editorOpenSeen = static_cast<APlugin*>(effect)->isEditorOpen();
    }
};

TEST_F(EditorTest, WhileThePagesAreBuiltThePluginTakesTheEditorForClosed)
{
    PluginEditor* original = plugin->getEditor();
    auto* watching = new WatchingEditor(plugin.get()); // the plug-in object deletes it
    delete original;
    editor = watching;
    ASSERT_TRUE(openEditor());
    EXPECT_TRUE(watching->openingSeen);
    EXPECT_FALSE(watching->editorOpenSeen);
    EXPECT_FALSE(plugin->editorOpening.load());
    EXPECT_TRUE(plugin->isEditorOpen());
}

TEST_F(EditorTest, AFreshEditorHoldsItsDefaultsAndItsMenuSchemeIsTheToolkits)
{
    EXPECT_EQ(std::vector<float>(editor->fxTypeMemory[2], editor->fxTypeMemory[2] + 10),
              (std::vector<float>{0.67f, 0.57f, 0.69f, 0.5f, 1.0f, 0.91f, 0.19f, 0.0f, 1.0f, 0.0f}));
    EXPECT_EQ(std::tuple(editor->fxTypeMemory[4][uEditor::kMixField], editor->fxTypeMemory[4][uEditor::kPanField]),
              std::tuple(0.11f, 0.5f));
    EXPECT_EQ(std::tuple(editor->fxPositionIsSwitch[2][4], editor->fxPositionIsSwitch[2][8], editor->fxPositionKnobB[2][2],
                         editor->fxPositionKnobB[2][1]),
              std::tuple(1, 1, 1, 0));
    EXPECT_EQ(editor->fxPositionShown[19][4], 0);
    EXPECT_EQ(std::count(&editor->fxPositionShown[0][0], &editor->fxPositionShown[0][0] + 270, 1), 269);
    EXPECT_TRUE(std::equal(editor->fxTypeDefaults[11], editor->fxTypeDefaults[11] + 12, editor->fxTypeMemory[11]));
    EXPECT_TRUE(std::all_of(editor->menuDivisor.begin(), editor->menuDivisor.end(), [](float d) { return d == -1.0f; }));
    EXPECT_TRUE(std::all_of(editor->presetIndex.begin(), editor->presetIndex.end(), [](int i) { return i == -1; }));

    ASSERT_EQ(Toolkit::defaultOptionMenuScheme, &editor->menuScheme);
    Toolkit::COffscreenContext context(nullptr, 8, 8, Toolkit::CColor{255, 255, 255, 0});
    editor->menuScheme.drawItemBack(&context, CRect(0, 0, 8, 8), false);
    EXPECT_EQ(GetPixel(context.getSystemContext(), 3, 3), RGB(8, 154, 153));
}

TEST_F(EditorTest, TheKeySettingYTurnsProgramSteppingByArrowKeysOn)
{
    EXPECT_EQ(editor->arrowKeysStepPrograms, 0);
    for (const auto& [setting, on] : {std::pair{"Y", 1}, std::pair{"N", 0}, std::pair{"y", 0}, std::pair{"Yes", 0}}) {
        kravo::writeRegString("Key", setting);
        std::unique_ptr<APlugin> other(static_cast<APlugin*>(createEffectInstance(nullptr)));
        EXPECT_EQ(static_cast<uEditor*>(other->getEditor())->arrowKeysStepPrograms, on) << setting;
    }
}

// As a host does it: the library loaded at run time, its object made through its entry, the editor
// opened in a window the host owns. A host may load two copies of the library (two versions, say) into
// one process: each copy's frames must use a window class of their own, whose window procedure is that
// copy's code, where a class named after the host's module would be taken by whichever copy came first.
TEST_F(EditorTest, TheEditorsOfTwoLoadedCopiesOpenInTheHostsWindowsWithWindowClassesOfTheirOwn)
{
    kravo::test::TempFolder folder;
    const std::filesystem::path copy = folder / "second-copy.so";
    std::filesystem::copy_file(KRAVO_LIBRARY, copy);
    platform::SharedLibrary libraries[2] = {platform::SharedLibrary(KRAVO_LIBRARY),
                                            platform::SharedLibrary(copy.string())};
    std::string classNames[2];
    for (int n = 0; n < 2; ++n) {
        using CreateEffectInstance = AudioPlugin* (*)(HostCallback);
        const auto create = reinterpret_cast<CreateEffectInstance>(libraries[n].symbol("createEffectInstance"));
        ASSERT_NE(create, nullptr);
        std::unique_ptr<AudioPlugin> loaded(create(nullptr));
        PluginRecord* record = loaded->getPluginRecord();
        HWND host = makeWindow(nullptr, {100, 100, 1084, 723}, WS_VISIBLE, kParentClass);
        ASSERT_EQ(record->dispatcher(record, plugEditOpen, 0, 0, host, 0.0f), 1);
        platform::pumpMessages();
        HWND found = WindowFromPoint(POINT{600, 400});
        EXPECT_NE(found, host);
        EXPECT_EQ(GetParent(found), host);
        char name[32] = {};
        GetClassNameA(found, name, sizeof name);
        classNames[n] = name;
        record->dispatcher(record, plugEditClose, 0, 0, nullptr, 0.0f);
        loaded.reset();
        DestroyWindow(host);
    }
    char hostsName[32];
    std::snprintf(hostsName, sizeof hostsName, "Plugin%p", static_cast<void*>(GetModuleHandleA(nullptr)));
    EXPECT_EQ(classNames[0].rfind("Plugin", 0), 0u);
    EXPECT_NE(classNames[0], classNames[1]);
    EXPECT_NE(classNames[0], hostsName);
    EXPECT_NE(classNames[1], hostsName);
}

} // namespace
