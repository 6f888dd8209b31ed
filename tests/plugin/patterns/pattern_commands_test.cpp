#include "plugin/parameters/pattern_parameters.h"
#include "plugin/parameters/text_field_parameters.h"
#include "tests/plugin/support/user_files_fixture.h"
#include "tests/support/plugin_renderer.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kravo::test;
using kravo::param::StepAttribute;
using kravo::param::stepAttributeIndex;

constexpr const char* kPatterns = "C:\\Morvane\\Kravo\\Patterns\\";

enum { kCopyTrack = 0, kPasteTrack = 1, kClearTrack = 2, kRandomTrack = 3, kMoveLeft = 4, kMoveRight = 5,
       kCopyPattern = 6, kPastePattern = 7, kClearPattern = 8, kPasteAll = 10, kClearAll = 11, kUndo = 12,
       kLoad = 14, kSave = 15, kDelete = 16 };

class PatternCommands : public UserFilesTest {
protected:
    void SetUp() override
    {
        UserFilesTest::SetUp();
        renderer = std::make_unique<PluginRenderer>();
        plugin = renderer->plugin.get();
    }
    std::vector<float> values() const { return renderer->values(); }
    static int step(StepAttribute a, int p, int t, int s) { return stepAttributeIndex(a, p, t, s); }
    // Every step attribute of track t of p a value of its own.
    void fillTrack(int p, int t, float base)
    {
        for (int a = 0; a < kravo::param::kStepAttributeCount; ++a)
            for (int s = 0; s < 16; ++s)
                plugin->setParameter(step(static_cast<StepAttribute>(a), p, t, s), base + (a * 16 + s) / 1024.0f);
    }
    static std::string path(const std::string& name) { return std::string(kPatterns) + name; }
    static std::string numbers(int count, float value)
    {
        std::string text;
        for (int k = 0; k < count; ++k)
            text += std::to_string(value) + (k % 7 == 6 ? "\n" : " ");
        return text;
    }

    std::unique_ptr<PluginRenderer> renderer;
    APlugin* plugin = nullptr;
};

TEST_F(PatternCommands, MovingATrackRotatesItsStepsWithinThePatternLengthAndRepeatsThemBeyond)
{
    plugin->setParameter(kravo::param::patternEndStep[2], 3.0f / 15.99f); // length 4
    const float w = 0.1f, x = 0.2f, y = 0.3f, z = 0.4f;
    for (int s = 0; s < 16; ++s) {
        const float v = s == 0 ? w : s == 1 ? x : s == 2 ? y : s == 3 ? z : 0.9f;
        plugin->setParameter(step(StepAttribute::Pitch, 2, 1, s), v);
        plugin->setParameter(step(StepAttribute::On, 2, 1, s), s == 1 ? 1.0f : 0.0f);
    }
    plugin->handlePatternMenu(kMoveLeft, 2, 1);
    const float left[4] = {x, y, z, w};
    for (int s = 0; s < 16; ++s) {
        EXPECT_FLOAT_EQ(plugin->getParameter(step(StepAttribute::Pitch, 2, 1, s)), left[s % 4]) << s;
        EXPECT_EQ(plugin->getParameter(step(StepAttribute::On, 2, 1, s)), s % 4 == 0 ? 1.0f : 0.0f) << s;
    }
    plugin->handlePatternMenu(kMoveRight, 2, 1);
    const float back[4] = {w, x, y, z};
    for (int s = 0; s < 4; ++s)
        EXPECT_FLOAT_EQ(plugin->getParameter(step(StepAttribute::Pitch, 2, 1, s)), back[s]);

    plugin->setParameter(kravo::param::patternEndStep[2], 0.0f); // length 1
    const auto before = values();
    plugin->handlePatternMenu(kMoveLeft, 2, 1);
    plugin->handlePatternMenu(kMoveRight, 2, 1);
    EXPECT_EQ(values(), before);
}

TEST_F(PatternCommands, CopyPasteClearAndRandomTouchOnlyTheirPart)
{
    // Paste before any copy writes nothing, but Undo returns to the state before it.
    const auto initial = values();
    plugin->handlePatternMenu(kPasteTrack, 0, 0);
    plugin->handlePatternMenu(kPastePattern, 0, 0);
    plugin->handlePatternMenu(kPasteAll, 0, 0);
    EXPECT_EQ(values(), initial);
    plugin->setParameter(step(StepAttribute::On, 0, 0, 5), 1.0f);
    plugin->handlePatternMenu(kUndo, 0, 0);
    EXPECT_EQ(values(), initial);

    // Track 2 of Groove 1 into track 4 of Break 3: the steps, not the pad or the bypass.
    fillTrack(0, 1, 0.1f);
    plugin->setParameter(kravo::param::trackTargetPadIndex(0, 1), 0.7f);
    plugin->setParameter(kravo::param::trackMuteIndex(0, 1), 1.0f);
    plugin->handlePatternMenu(kCopyTrack, 0, 1);
    auto expected = values();
    for (int a = 0; a < kravo::param::kStepAttributeCount; ++a)
        for (int s = 0; s < 16; ++s)
            expected[step(static_cast<StepAttribute>(a), 6, 3, s)] = plugin->getParameter(step(static_cast<StepAttribute>(a), 0, 1, s));
    plugin->handlePatternMenu(kPasteTrack, 6, 3);
    EXPECT_EQ(values(), expected);

    // Random changes only the on-flags of its track.
    plugin->handlePatternMenu(kRandomTrack, 6, 3);
    auto after = values();
    for (int s = 0; s < 16; ++s) {
        const int index = step(StepAttribute::On, 6, 3, s);
        EXPECT_TRUE(after[index] == 0.0f || after[index] == 1.0f);
        after[index] = expected[index];
    }
    EXPECT_EQ(after, expected);

    plugin->handlePatternMenu(kClearTrack, 6, 3);
    for (int a = 0; a < kravo::param::kStepAttributeCount; ++a)
        for (int s = 0; s < 16; ++s)
            EXPECT_EQ(plugin->getParameter(step(static_cast<StepAttribute>(a), 6, 3, s)),
                      kravo::param::kClearedStepValues[static_cast<std::size_t>(a)]);

    // A pattern pasted elsewhere brings its pads; clearing puts back the defaults.
    plugin->handlePatternMenu(kCopyPattern, 0, 0);
    plugin->handlePatternMenu(kPastePattern, 5, 0);
    EXPECT_FLOAT_EQ(plugin->getParameter(kravo::param::trackTargetPadIndex(5, 1)), 0.7f);
    EXPECT_FLOAT_EQ(plugin->getParameter(step(StepAttribute::Delay, 5, 1, 15)), plugin->getParameter(step(StepAttribute::Delay, 0, 1, 15)));
    plugin->handlePatternMenu(kClearPattern, 5, 0);
    for (const int index : tables::kPatternList[5])
        EXPECT_EQ(plugin->getParameter(index), plugin->getDefaultValues()[index]) << index;
}

TEST_F(PatternCommands, UndoAfterClearAllBringsBackEveryPatternAndName)
{
    fillTrack(7, 2, 0.3f);
    plugin->setParamText(kravo::param::patternNameIndex(3), "Funk\\One.pat", kravo::param::kPatternNameLength, -1);
    const auto before = values();
    plugin->handlePatternMenu(kClearAll, 0, 0);
    EXPECT_EQ(plugin->getParameter(step(StepAttribute::Pitch, 7, 2, 0)), 0.5f);
    plugin->handlePatternMenu(kUndo, 0, 0);
    EXPECT_EQ(values(), before);
    EXPECT_EQ(plugin->getPatternName(3), "Funk\\One");
    plugin->handlePatternMenu(kUndo, 0, 0); // the copy stays
    EXPECT_EQ(values(), before);
}

TEST_F(PatternCommands, LockedPatternsIgnoreEveryCommand)
{
    plugin->setPatternLockMode(1);
    const auto before = values();
    for (const int command : {kClearAll, kClearTrack, kRandomTrack, kClearPattern})
        plugin->handlePatternMenu(command, 1, 1);
    EXPECT_EQ(values(), before);
}

TEST_F(PatternCommands, SavedPatternsLoadBackBitIdenticalAndNameThePattern)
{
    fillTrack(1, 3, 0.123456f);
    plugin->setParameter(kravo::param::patternSwing[1], 1.0f / 3.0f);
    makeFolder((std::string(kPatterns) + "Funk").c_str());
    platform::scriptSaveFileAnswer(path("Funk\\Beat"));
    plugin->handlePatternMenu(kSave, 1, 0);
    EXPECT_EQ(plugin->getPatternName(1), "Funk\\Beat");
    EXPECT_EQ(plugin->getPatternBrowserFolder(), "Funk\\");

    platform::scriptOpenFileAnswer(path("Funk\\Beat.pat"));
    plugin->handlePatternMenu(kLoad, 4, 0);
    for (int k = 1; k < tables::kPatternListLength; ++k)
        EXPECT_EQ(plugin->getParameter(tables::kPatternList[4][k]), plugin->getParameter(tables::kPatternList[1][k])) << k;
    EXPECT_EQ(plugin->getPatternName(4), "Funk\\Beat");
    EXPECT_EQ(plugin->getPatternName(5), "None");

    // Outside the pattern folder: no sub-folder in the name, the browser back at the root.
    writeFile("C:\\Elsewhere\\Far.pat", numbers(475, 0.25f));
    plugin->loadPatternFile(4, "C:\\Elsewhere\\Far.pat");
    EXPECT_EQ(plugin->getPatternName(4), "Far");
    EXPECT_EQ(plugin->getPatternBrowserFolder(), "");
}

TEST_F(PatternCommands, MalformedOrMissingFilesChangeNothingAndValuesAreClamped)
{
    plugin->setParamText(kravo::param::patternNameIndex(2), "Kept.pat", kravo::param::kPatternNameLength, -1);
    const auto before = values();
    const std::vector<std::string> broken = {
        numbers(474, 0.25f), numbers(300, 0.25f) + "x " + numbers(174, 0.25f), numbers(474, 0.25f) + " nan",
        numbers(10, 0.25f) + "inf " + numbers(464, 0.25f), numbers(474, 0.25f) + " 0.5abc", ""};
    for (std::size_t n = 0; n < broken.size(); ++n) {
        const std::string name = path("Broken" + std::to_string(n) + ".pat");
        writeFile(name.c_str(), broken[n]);
        plugin->loadPatternFile(2, name);
        EXPECT_EQ(values(), before) << n;
    }
    plugin->loadPatternFile(2, path("Missing.pat"));
    EXPECT_EQ(values(), before);

    writeFile(path("Loud.pat").c_str(), numbers(475, 7.0f) + " trailing words");
    plugin->loadPatternFile(2, path("Loud.pat"));
    EXPECT_EQ(plugin->getParameter(kravo::param::patternSpeed[2]), 1.0f);
    EXPECT_EQ(plugin->getParameter(0), before[0]); // number 0 is no parameter
    EXPECT_EQ(plugin->getPatternName(2), "Loud");
}

TEST_F(PatternCommands, UndoBringsBackADeletedFileOnlyOnce)
{
    writeFile(path("Gone.pat").c_str(), numbers(475, 0.5f));
    plugin->scanPatternFolder();
    plugin->selectPatternFile(0);
    plugin->handlePatternMenu(kDelete, 0, 0);
    EXPECT_EQ(plugin->getPatternFileCount(), 0);
    EXPECT_EQ(readFile(path("zLastDeleted.zzz").c_str()), numbers(475, 0.5f));

    plugin->handlePatternMenu(kUndo, 0, 0);
    EXPECT_EQ(readFile(path("Gone.pat").c_str()), numbers(475, 0.5f));
    EXPECT_FALSE(std::filesystem::exists(platform::nativePath(path("zLastDeleted.zzz").c_str())));
    EXPECT_EQ(plugin->getPatternFileCount(), 1);

    // A keeping copy that cannot go back stays where it is.
    plugin->selectPatternFile(0);
    plugin->handlePatternMenu(kDelete, 0, 0);
    makeFolder(path("Gone.pat").c_str()); // the path is taken by a folder now
    plugin->handlePatternMenu(kUndo, 0, 0);
    EXPECT_TRUE(std::filesystem::exists(platform::nativePath(path("zLastDeleted.zzz").c_str())));
}

} // namespace
