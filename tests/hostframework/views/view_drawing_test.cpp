#include "tests/hostframework/views/view_test.h"

#include "hostlibs/extension/host_extension.h"

namespace {

using kravo::test::ViewTest;

constexpr COLORREF kGrey = RGB(0x88, 0x88, 0x88);
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kGreen = RGB(0, 150, 0);
constexpr COLORREF kBlue = RGB(0, 0, 250);
constexpr COLORREF kDarkGrey = RGB(90, 90, 90);

// A view whose back pattern is the one a test gives it.
class PatternView : public CPlugInView {
public:
    HostPixelPattern GetBackPattern() override { return pattern; }
    HostPixelPattern pattern = nullptr;
};

class ViewDrawing : public ViewTest {
protected:
    // The pattern from the views' resource file, loaded inside the plug-in's resource-file bracket.
    HostPixelPattern load(std::int16_t id)
    {
        const std::int16_t previous = CPlugInView::UsePlugInResFile();
        HostPixelPattern pattern = CPlugInView().LoadPixPat(id);
        CPlugInView::RestoreResFile(previous);
        return pattern;
    }
};

bool sameColour(const HostColor& a, const HostColor& b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

TEST_F(ViewDrawing, ARootErasesInItsGreyAndChildrenAskTheirRoot)
{
    HostPort port = viewPort({0, 0, 16, 16});
    CPlugInView root;
    root.SetFrame({0, 0, 10, 12});
    auto* child = new CPlugInView;
    child->SetFrame({2, 2, 6, 6});
    root.AddSubView(child, false);
    root.SetPort(port);
    HostExtSetPort(port);
    const HostColor white{0xFFFF, 0xFFFF, 0xFFFF};
    HostExtRGBBackColor(&white);

    root.Draw(nullptr);
    EXPECT_EQ(painted(port), block(0, 0, 10, 12));
    EXPECT_EQ(pictureOf(port).at(3, 3), kGrey);
    HostColor back{};
    HostExtGetBackColor(&back);
    EXPECT_TRUE(sameColour(back, white)); // the port's back colour is given back

    // A child's own background colour is its root's; it erases nothing itself.
    child->SetBackColor({0x1111, 0x1111, 0x1111});
    child->GetBackColor(&back);
    EXPECT_TRUE(sameColour(back, {0x8888, 0x8888, 0x8888}));
    root.SetBackColor({0x0000, 0x0000, 0xFFFF});
    child->Draw(nullptr);
    EXPECT_EQ(pictureOf(port).at(3, 3), kGrey);
    root.Draw(nullptr);
    EXPECT_EQ(pictureOf(port).at(3, 3), RGB(0, 0, 0xFF));
}

TEST_F(ViewDrawing, TheForeColourIsTheHighlightColourWhileHighlighted)
{
    CPlugInView view;
    HostColor colour{};
    view.GetForeColor(&colour);
    EXPECT_TRUE(sameColour(colour, {0x0000, 0x0000, 0x2222}));
    view.SetHighlighted(true); // without a port nothing draws
    view.GetForeColor(&colour);
    EXPECT_TRUE(sameColour(colour, {0x0000, 0x6666, 0xFFFF}));
    view.SetForeColor({1, 2, 3});
    view.SetHighlighted(false);
    view.GetForeColor(&colour);
    EXPECT_TRUE(sameColour(colour, {1, 2, 3}));
}

TEST_F(ViewDrawing, TheRootAnswersTheHostHighlightQueriesForTheTree)
{
    CPlugInView root;
    auto* child = new CPlugInView;
    root.AddSubView(child, false);
    EXPECT_FALSE(child->IsHighlightedByHost());
    std::int16_t colour = 5;
    std::int16_t number = 9;
    const char* text = nullptr;
    child->GetHostHighlight(&colour, &number, &text);
    EXPECT_EQ(colour, 5);
    EXPECT_EQ(number, 0);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(child->GetBackPattern(), nullptr);
}

TEST_F(ViewDrawing, PatternsLoadInsideTheResourceFileBracketAndAMissingOneIsNull)
{
    const std::int16_t before = HostExtCurrentResourceFile();
    HostPixelPattern checks = load(200);
    EXPECT_NE(checks, nullptr);
    EXPECT_EQ(load(999), nullptr);
    EXPECT_EQ(HostExtCurrentResourceFile(), before);

    // A root with a missing pattern erases plain.
    HostPort port = viewPort({0, 0, 4, 4});
    PatternView root;
    root.SetFrame({0, 0, 4, 4});
    root.SetPort(port);
    root.pattern = load(999);
    root.Draw(nullptr);
    EXPECT_EQ(pictureOf(port).at(1, 1), kGrey);
    root.pattern = checks;
    root.Draw(nullptr);
    const auto picture = pictureOf(port);
    EXPECT_EQ(picture.at(0, 0), kRed);
    EXPECT_EQ(picture.at(1, 0), kGreen);
    EXPECT_EQ(picture.at(0, 1), kBlue);
    EXPECT_EQ(picture.at(3, 3), kDarkGrey);
    HostExtDisposePixelPattern(checks);
}

TEST_F(ViewDrawing, NestedBackPatternsComeBackInOrder)
{
    HostPort port = viewPort({0, 0, 4, 4});
    HostPixelPattern checks = load(200);
    HostPixelPattern blue = load(201);
    PatternView outer;
    outer.pattern = checks;
    PatternView inner;
    inner.pattern = blue;
    PatternView plain;
    const HostRect all{0, 0, 4, 4};
    const auto eraseAndLook = [&] {
        HostExtEraseRect(&all);
        return pictureOf(port).at(1, 0);
    };
    const HostColor grey{0x8888, 0x8888, 0x8888};
    HostExtRGBBackColor(&grey);

    outer.BeginBackPattern();
    EXPECT_EQ(eraseAndLook(), kGreen);
    inner.BeginBackPattern();
    EXPECT_EQ(eraseAndLook(), kBlue);
    plain.BeginBackPattern();
    EXPECT_EQ(eraseAndLook(), kGrey);
    plain.EndBackPattern();
    EXPECT_EQ(eraseAndLook(), kBlue);
    inner.EndBackPattern();
    EXPECT_EQ(eraseAndLook(), kGreen);
    outer.EndBackPattern();
    EXPECT_EQ(eraseAndLook(), kGrey);
    outer.EndBackPattern(); // more ends than begins change nothing
    EXPECT_EQ(eraseAndLook(), kGrey);
    HostExtDisposePixelPattern(checks);
    HostExtDisposePixelPattern(blue);
}

} // namespace
