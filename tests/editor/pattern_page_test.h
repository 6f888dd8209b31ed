#pragma once

// The fixture of the pattern page's tests: the editor open on a plug-in object whose host renders a
// block at each of its idles while asked to (so that what plays during a held gesture can be heard),
// the page's places in the editor's coordinates, and gestures with the right button and double clicks.

#include "tests/editor/editor_test.h"

#include "editor/controls/pattern_file_browser.h"
#include "editor/controls/pattern_grid.h"
#include "platform/file_dialogs.h"
#include "platform/windows_paths.h"
#include "plugin/parameters/pattern_parameters.h"
#include "plugin/settings/registry_settings.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>

namespace kravo::test {

class PatternPageTest : public EditorTest {
protected:
    static constexpr POINT kPage{233, 383};
    static constexpr POINT kGrid{233 + 128, 383 + 13};
    static constexpr POINT kBrowser{233 + 600, 383 + 9};
    static constexpr float kColumnWidth = 29.0f;
    static constexpr float kRowHeight = 134.0f / 9.0f;
    static constexpr const char* kPatternFolder = "C:\\Morvane\\Kravo\\Patterns\\";

    void SetUp() override
    {
        EditorTest::SetUp();
        std::filesystem::remove_all(platform::nativePath(kPatternFolder));
        std::filesystem::create_directories(platform::nativePath(kPatternFolder));
        plugin.reset(static_cast<APlugin*>(createEffectInstance(&renderingHost)));
        editor = static_cast<uEditor*>(plugin->getEditor());
        plugin->setSampleRate(44100.0f);
        ASSERT_TRUE(openEditor());
        idle();
    }
    void TearDown() override
    {
        duringHostIdle() = nullptr;
        EditorTest::TearDown();
    }

    // Runs at each of the host's idles that the editor's mouse loops call, until cleared.
    static std::function<void()>& duringHostIdle()
    {
        static std::function<void()> work;
        return work;
    }
    static PlugIntPtr renderingHost(PluginRecord* record, std::int32_t opcode, std::int32_t index, PlugIntPtr value,
                                    void* pointer, float option)
    {
        if (opcode == hostOpMasterIdle && duringHostIdle())
            duringHostIdle()();
        return recordingHost(record, opcode, index, value, pointer, option);
    }

    PatternGrid* grid() const { return editor->patternPage.grid; }
    PatternFileBrowser* browser() const { return editor->patternPage.browser; }
    // The middle of a step's cell in the edit view's field row (0 the on row), or in the overview's track row.
    static POINT cellAt(int column, int row)
    {
        return {kGrid.x + static_cast<int>(column * kColumnWidth) + 14,
                kGrid.y + static_cast<int>((row + 1) * kRowHeight) + 7};
    }
    static POINT overviewCellAt(int column, int track)
    {
        return {kGrid.x + static_cast<int>(column * kColumnWidth) + 14, kGrid.y + (track + 1) * 27 + 13};
    }
    // The browser's row i (0..6), its arrows and root band.
    static POINT browserRowAt(int row) { return {kBrowser.x + 50, kBrowser.y + 36 + 13 * row + 6}; }
    static constexpr POINT kDownArrow{kBrowser.x + 105, kBrowser.y + 130};
    static constexpr POINT kUpArrow{kBrowser.x + 105, kBrowser.y + 12};
    static constexpr POINT kRootBand{kBrowser.x + 50, kBrowser.y + 28};

    static int step(kravo::param::StepAttribute attribute, int pattern, int track, int s)
    {
        return kravo::param::stepAttributeIndex(attribute, pattern, track, s);
    }

    void rightClickHeld(POINT at, DWORD milliseconds)
    {
        script().move(kParentAt.x + at.x, kParentAt.y + at.y);
        script().press(VK_RBUTTON);
        script().wait(milliseconds);
        script().release(VK_RBUTTON);
        runScript();
    }
    void doubleClick(POINT at)
    {
        script().move(kParentAt.x + at.x, kParentAt.y + at.y);
        for (int n = 0; n < 2; ++n) {
            script().press(VK_LBUTTON);
            script().wait(20);
            script().release(VK_LBUTTON);
            script().wait(20);
        }
        runScript();
    }
    // A pattern file in the pattern folder, written by the plug-in from pattern p as it stands.
    void savePattern(int p, const std::string& name)
    {
        platform::scriptSaveFileAnswer(std::string(kPatternFolder) + name);
        plugin->handlePatternMenu(15, p, 0);
    }
};

} // namespace kravo::test
