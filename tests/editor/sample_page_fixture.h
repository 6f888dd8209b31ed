#pragma once

// The fixture of the sample page's tests: an open editor over an empty samples root of the test's own,
// sample files written into it, the sample page shown for a sample voice, and points of its views in the
// editor's coordinates.

#include "editor/controls/sample_file_display.h"
#include "platform/windows_paths.h"
#include "tests/editor/editor_test.h"
#include "tests/support/sample_files.h"
#include "toolkit/view_container.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kravo::test {

class SamplePageTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        std::filesystem::remove_all(root());
        std::filesystem::create_directories(root());
        ASSERT_TRUE(openEditor());
    }

    static std::filesystem::path root() { return platform::nativePath("C:\\Kravo\\Samples\\"); }
    static void sample(const std::string& name, std::vector<std::int16_t> frames = std::vector<std::int16_t>(1000, 1000))
    {
        std::filesystem::create_directories((root() / name).parent_path());
        writeFile((root() / name).string(), wavBytes(frames, 1, 44100));
    }
    static void folder(const std::string& name) { std::filesystem::create_directories(root() / name); }

    // The voice's select button clicked, as a person selects it.
    void selectVoice(int voice)
    {
        click(31 + voice / 8 * 64 + 49 + 6, 383 + voice % 8 * 25 + 10 + 6);
        idle();
    }
    // The middle of a view of the sample page, in the editor's coordinates.
    POINT middleOf(Toolkit::CView* view) const
    {
        Toolkit::CRect size;
        Toolkit::CRect place;
        view->getViewSize(size);
        editor->sampleContainer->getViewSize(place);
        return {place.left + (size.left + size.right) / 2, place.top + (size.top + size.bottom) / 2};
    }
    // A point of the browser, in its own coordinates.
    POINT inBrowser(int x, int y) const
    {
        Toolkit::CRect place;
        editor->sampleContainer->getViewSize(place);
        return {place.left + 11 + x, place.top + 11 + y};
    }
    TSampleFileDisplay* browser() const { return editor->samplePage.browser; }
    bool shown(Toolkit::CView* view) const { return editor->sampleContainer->isChild(view); }
};

} // namespace kravo::test
