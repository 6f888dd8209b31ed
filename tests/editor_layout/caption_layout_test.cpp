#include "tests/editor/editor_test.h"
#include "tests/support/embedded_picture.h"

#include "editor/bitmap_font_widths.h"
#include "editor/controls/bitmap_text.h"
#include "editor/controls/my_bitmap.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_line.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_button.h"
#include "editor/controls/my_v_slider.h"
#include "editor/editor_images.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/voice_order.h"
#include "toolkit/bitmap.h"
#include "toolkit/view_container.h"

#include <algorithm>
#include <array>
#include <map>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <typeinfo>
#include <vector>

namespace {

using Toolkit::CRect;
using Toolkit::CView;
using Toolkit::CViewContainer;

// The faders' handle, drawn from this column of the fader down its travel.
constexpr std::int32_t kFaderHandleImage = 10016;
constexpr int kFaderHandleLeft = 2;

// Where the editor's own coordinates put a caption over another view, whatever is drawn: the caption's
// text, then the other view's caption text or control class.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kIntendedOverlaps = {{
    // The track captions of the pattern page stand on their switches (16 x 8 at the same place).
    {"T1", "myOnOff"},
    {"T2", "myOnOff"},
    {"T3", "myOnOff"},
    {"T4", "myOnOff"},
    // The user voice's two captions are 50 wide 47 apart, and "vel>freq" fills its 50.
    {"vel>freq", "rnd>freq"},
}};

bool isIntended(std::string_view caption, std::string_view other)
{
    return std::find(kIntendedOverlaps.begin(), kIntendedOverlaps.end(), std::pair{caption, other}) !=
           kIntendedOverlaps.end();
}

// The first and last pixel row of each glyph that has ink; first > last for a glyph without ink.
struct GlyphInk {
    int first = bitmap_font::kGlyphHeight;
    int last = -1;
};
using FontInk = std::array<GlyphInk, bitmap_font::kGlyphCount>;

// Ink is any pixel that differs from the picture's top-left one (the space glyph's background, transparent
// in the art), so that the test follows the art.
class InkImage {
public:
    explicit InkImage(std::int32_t id) : picture(id), background(picture.width() > 0 ? picture.pixel(0, 0) : 0) {}

    int width() const { return picture.width(); }
    int height() const { return picture.height(); }
    bool inked(int x, int y) const { return picture.pixel(x, y) != background; }

private:
    kravo::test::EmbeddedPicture picture;
    std::uint32_t background;
};

FontInk measureInk(int font)
{
    FontInk ink{};
    const InkImage image(bitmap_font::kImageIds[static_cast<std::size_t>(font)]);
    for (int glyph = 0; glyph < bitmap_font::kGlyphCount; ++glyph) {
        const int width = std::min(bitmap_font::glyphWidth(font, glyph), image.width());
        for (int row = 0; row < bitmap_font::kGlyphHeight; ++row) {
            const int y = glyph * bitmap_font::kGlyphHeight + row;
            for (int x = 0; x < width && y < image.height(); ++x)
                if (image.inked(x, y)) {
                    GlyphInk& g = ink[static_cast<std::size_t>(glyph)];
                    g.first = std::min(g.first, row);
                    g.last = std::max(g.last, row);
                }
        }
    }
    return ink;
}

bool intersects(const CRect& a, const CRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

CRect clipped(const CRect& r, const CRect& clip)
{
    return {std::max(r.left, clip.left), std::max(r.top, clip.top), std::min(r.right, clip.right),
            std::min(r.bottom, clip.bottom)};
}

bool isEmpty(const CRect& r) { return r.left >= r.right || r.top >= r.bottom; }

std::string text(const CRect& r)
{
    std::ostringstream out;
    out << '(' << r.left << ',' << r.top << ")-(" << r.right << ',' << r.bottom << ')';
    return out.str();
}

// Views a caption may sit on without it being a fault: containers and plain views (panels with a
// background image), pictures (myBitmap) and lines or boxes of one colour (myLine). Every other control
// - knobs, sliders, buttons, switches, menus, pads, displays - counts.
bool isControl(CView* view)
{
    return dynamic_cast<Toolkit::CControl*>(view) != nullptr && dynamic_cast<myLabel*>(view) == nullptr &&
           dynamic_cast<myBitmap*>(view) == nullptr && dynamic_cast<myLine*>(view) == nullptr &&
           dynamic_cast<CViewContainer*>(view) == nullptr;
}

// A control with a picture draws within the picture's ink: knobs, switches, buttons and pads show one of
// the pictures stacked in their image, menus and sliders draw their text and handle over theirs, and the
// images leave room on purpose (a knob's lowest rows for its caption, a pad's sides for its neighbours).
// A control without one draws text or a read-out anywhere in its rectangle and covers all of it.
bool drawsWithinItsImage(CView* view)
{
    return dynamic_cast<myRadioButton*>(view) != nullptr || view->getBackground() != nullptr;
}

std::string className(CView* view)
{
    std::string name = typeid(*view).name();
    // Drop the length prefix of the mangled name of a class in the global namespace.
    const auto start = name.find_first_not_of("0123456789");
    return start == std::string::npos ? name : name.substr(start);
}

struct ShownCaption {
    myLabel* label;
    std::string text;
    int font;
    CRect labelRect;
    CRect textBox;
};

// Where a control draws: its box in frame coordinates and, for a control that draws pictures, which of
// the box's pixels any of its pictures inks (row by row); an empty mask covers the whole box.
struct InkMask {
    int width = 0;
    std::vector<bool> inked;
    bool at(int x, int y) const { return inked.empty() || inked[static_cast<std::size_t>(y * width + x)]; }
};

struct ShownControl {
    CView* view;
    CRect box;
    const InkMask* mask;
};

// Whether the control inks a pixel of the caption's text box.
bool covers(const ShownControl& control, const CRect& text)
{
    const CRect both = clipped(control.box, text);
    for (int y = both.top; y < both.bottom; ++y)
        for (int x = both.left; x < both.right; ++x)
            if (control.mask == nullptr || control.mask->at(x - control.box.left, y - control.box.top))
                return true;
    return false;
}

class CaptionLayout : public kravo::test::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ASSERT_TRUE(openEditor());
        idle();
        for (int font = 0; font < bitmap_font::kFontCount; ++font)
            ink[static_cast<std::size_t>(font)] = measureInk(font);
    }

    // myLabel keeps its font to itself: the pages that use the second font are the Easy page and the
    // pattern page's track captions; every other caption uses the first.
    int fontOf(myLabel* label) const
    {
        const auto& easy = editor->easyPage.labels;
        if (std::find(easy.begin(), easy.end(), label) != easy.end())
            return 1;
        const auto& pattern = editor->patternPage.captions;
        const char* t = label->getText();
        if (std::find(pattern.begin(), pattern.end(), label) != pattern.end() && t[0] == 'T' && t[1] >= '1' &&
            t[1] <= '9' && t[2] == 0)
            return 1;
        return 0;
    }

    // The text's box as myLabel::draw places its glyphs: the drawn glyphs with ink, from the first inked
    // row to the last. Font 2 draws in the context's font: its box is the label's own rectangle.
    CRect textBox(myLabel* label, int font, const CRect& rect) const
    {
        if (font < 0 || font >= bitmap_font::kFontCount)
            return rect;
        constexpr std::int32_t kMargin = 2;
        const char* t = label->getText();
        const std::int32_t available = rect.right - rect.left;
        const std::int32_t width = editor::bitmapTextWidth(t, available, font);
        std::int32_t x = rect.left + kMargin;
        if (label->getAlignment() == 1)
            x = rect.left + (available - width) / 2;
        else if (label->getAlignment() == 2)
            x = rect.right - width - kMargin;
        CRect box{rect.right, rect.bottom, rect.left, rect.top};
        for (const char* c = t; *c != 0; ++c) {
            const int glyph = editor::glyphIndex(*c);
            const std::int32_t right = x + bitmap_font::glyphWidth(font, glyph);
            if (right >= rect.right)
                continue;
            const GlyphInk& g = ink[static_cast<std::size_t>(font)][static_cast<std::size_t>(glyph)];
            if (g.first <= g.last) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, right);
                box.top = std::min(box.top, rect.top + g.first);
                box.bottom = std::max(box.bottom, rect.top + g.last + 1);
            }
            x = right;
        }
        return box;
    }

    // Every view the frame shows, with its rectangle in frame coordinates cut to its containers': a
    // container's views stand relative to its top-left corner and show only inside it.
    void walk(CViewContainer* container, const CRect& place, const CRect& clip, std::vector<ShownCaption>& captions,
              std::vector<ShownControl>& controls)
    {
        for (std::int32_t n = 0; n < container->getNbViews(); ++n) {
            CView* view = container->getView(n);
            CRect local;
            view->getViewSize(local);
            const CRect inFrame{local.left + place.left, local.top + place.top, local.right + place.left,
                                local.bottom + place.top};
            const CRect shown = clipped(inFrame, clip);
            if (isEmpty(shown))
                continue;
            if (auto* child = dynamic_cast<CViewContainer*>(view)) {
                walk(child, inFrame, shown, captions, controls);
            } else if (auto* label = dynamic_cast<myLabel*>(view)) {
                const int font = fontOf(label);
                const CRect box = clipped(textBox(label, font, inFrame), clip);
                if (!isEmpty(box))
                    captions.push_back({label, label->getText(), font, inFrame, box});
            } else if (isControl(view)) {
                const InkMask* mask = drawsWithinItsImage(view) ? &inkOf(view, inFrame) : nullptr;
                controls.push_back({view, mask != nullptr ? inFrame : shown, mask});
            }
        }
    }

    // The pixels of the control's rectangle that its pictures ink: those of every picture stacked in its
    // image (all as high as the control), and for a fader also its handle's columns all the way down, as
    // the handle travels. An image the editor does not load covers its whole size.
    const InkMask& inkOf(CView* view, const CRect& rect)
    {
        // A radio button draws the editor's radio image, not a background of its own.
        Toolkit::CBitmap* picture = dynamic_cast<myRadioButton*>(view) != nullptr
                                        ? editor->image(myRadioButton::kRadioImage)
                                        : view->getBackground();
        const int w = rect.right - rect.left;
        const int h = rect.bottom - rect.top;
        const auto loaded = std::find(editor->images.begin(), editor->images.end(), picture);
        const std::int32_t id = loaded != editor->images.end()
                                    ? editor::kImageIds[static_cast<std::size_t>(loaded - editor->images.begin())]
                                    : 0;
        const bool fader = dynamic_cast<myVSlider*>(view) != nullptr;
        const auto key = std::tuple{id, w, h, fader};
        auto known = imageInk.find(key);
        if (known != imageInk.end())
            return known->second;
        InkMask mask{w, std::vector<bool>(static_cast<std::size_t>(std::max(w * h, 0)), id == 0)};
        const auto mark = [&](const InkImage& image, int left, bool wholeColumns) {
            for (int top = 0; top < std::max(image.height(), 1); top += std::max(h, 1))
                for (int y = 0; y < h && top + y < image.height(); ++y)
                    for (int x = 0; x < image.width() && left + x < w; ++x)
                        if (image.inked(x, top + y))
                            for (int row = wholeColumns ? 0 : y; row < (wholeColumns ? h : y + 1); ++row)
                                mask.inked[static_cast<std::size_t>(row * w + left + x)] = true;
        };
        if (id != 0)
            mark(InkImage(id), 0, false);
        if (fader)
            mark(InkImage(kFaderHandleImage), kFaderHandleLeft, true);
        return imageInk.emplace(key, std::move(mask)).first->second;
    }

    static std::string describe(const ShownCaption& c)
    {
        std::ostringstream out;
        out << "caption \"" << c.text << "\" " << text(c.textBox) << " [label " << text(c.labelRect) << " font "
            << c.font << ']';
        return out.str();
    }

    // Walks what the frame shows now and files each overlap under the state's name.
    void check(const std::string& state)
    {
        ++states;
        std::vector<ShownCaption> captions;
        std::vector<ShownControl> controls;
        CRect whole;
        editor->getFrame()->getViewSize(whole);
        const CRect frame{0, 0, whole.right - whole.left, whole.bottom - whole.top};
        walk(editor->getFrame(), frame, frame, captions, controls);
        for (std::size_t a = 0; a < captions.size(); ++a) {
            for (std::size_t b = a + 1; b < captions.size(); ++b)
                if (intersects(captions[a].textBox, captions[b].textBox) &&
                    !isIntended(captions[a].text, captions[b].text))
                    overlaps[describe(captions[a]) + " overlaps " + describe(captions[b])].push_back(state);
            for (const ShownControl& control : controls)
                if (covers(control, captions[a].textBox) &&
                    !isIntended(captions[a].text, className(control.view)))
                    overlaps[describe(captions[a]) + " overlaps control " + className(control.view) + ' ' +
                             text(control.box)]
                        .push_back(state);
        }
    }

    void showPage(std::int32_t voice, std::int32_t page)
    {
        editor->selectedVoice = voice;
        editor->pageMode = page;
        editor->rebuildFrame();
        idle();
    }

    void setModel(std::int32_t parameter, int model)
    {
        plugin->setParameter(parameter, kravo::param::drumModelValue(model));
        editor->updateVoicePage();
    }

    // Every effect type in every slot, on the page shown now.
    void checkEffectSlots(const std::string& page)
    {
        constexpr std::int32_t kFirstEffectType = 1550;
        for (int slot = 0; slot < uEditor::kFxSlotCount; ++slot) {
            const float kept = plugin->getParameter(kFirstEffectType + slot);
            editor->selectedFxSlot = slot;
            for (int type = 0; type < editor::kFxTypeCount; ++type) {
                plugin->setParameter(kFirstEffectType + slot, (static_cast<float>(type) + 0.5f) / 49.99f);
                editor->fxLayoutPending = 1;
                idle();
                check(page + " fx slot " + std::to_string(slot) + " type " + std::to_string(type));
            }
            plugin->setParameter(kFirstEffectType + slot, kept);
        }
        editor->selectedFxSlot = 0;
        editor->fxLayoutPending = 1;
        idle();
    }

    std::string report() const
    {
        constexpr std::size_t kStatesNamed = 6;
        std::ostringstream out;
        out << overlaps.size() << " overlapping pairs over " << states << " page states; inked rows";
        for (int font = 0; font < bitmap_font::kFontCount; ++font)
            out << ", font " << font << ": capitals " << inkRows(font, 'A', 'Z') << " lower case "
                << inkRows(font, 'a', 'z') << " digits " << inkRows(font, '0', '9');
        out << '\n';
        for (const auto& [pair, where] : overlaps) {
            out << pair << "\n    in " << where.size() << " states: ";
            for (std::size_t n = 0; n < std::min(where.size(), kStatesNamed); ++n)
                out << (n > 0 ? "; " : "") << where[n];
            out << (where.size() > kStatesNamed ? "; ...\n" : "\n");
        }
        return out.str();
    }

    // The first and last inked rows over a range of characters, for the person who moves the art.
    std::string inkRows(int font, char from, char to) const
    {
        GlyphInk all{};
        for (char c = from; c <= to; ++c) {
            const GlyphInk& g = ink[static_cast<std::size_t>(font)][static_cast<std::size_t>(editor::glyphIndex(c))];
            all.first = std::min(all.first, g.first);
            all.last = std::max(all.last, g.last);
        }
        return std::to_string(all.first) + ".." + std::to_string(all.last);
    }

    std::array<FontInk, bitmap_font::kFontCount> ink{};
    std::map<std::tuple<std::int32_t, int, int, bool>, InkMask> imageInk;
    std::map<std::string, std::vector<std::string>> overlaps;
    int states = 0;
};

// Every page a user can reach: each page of each voice, each drum model's layout (the tom / user voices
// 10..12 as toms and as user voices), the sample page's two layers, the Easy page's pitch modes, the
// modulation page's selections, and every effect type in every slot beside the voice and modulation pages.
// The drum kinds' model menus carry the model parameter.
TEST_F(CaptionLayout, NoCaptionOverlapsAnotherOrAControlOnAnyPage)
{
    const auto tomUserSwitch = [](std::int32_t voice) {
        return kravo::param::tomUserSwitch[static_cast<std::size_t>(voice - kravo::param::kFirstTomUserSlot)];
    };
    editor::DrumPage* const kinds[] = {&editor->bassDrumPage, &editor->snarePage, &editor->closedHatPage,
                                       &editor->openHatPage,  &editor->clapPage,  &editor->tomPage,
                                       &editor->userPage};
    for (std::int32_t voice = 0; voice < uEditor::kVoiceCount; ++voice) {
        const std::string name = "voice " + std::to_string(voice);
        for (const std::int32_t page : {1, 2, 4})
            if (page == 2)
                for (int synthPitch = 0; synthPitch < 2; ++synthPitch)
                    for (int samplePitch = 0; samplePitch < 2; ++samplePitch) {
                        editor->easySynthPitchMode = synthPitch;
                        editor->easySamplePitchMode = samplePitch;
                        showPage(voice, page);
                        check(name + " page 2 pitch modes " + std::to_string(synthPitch) + std::to_string(samplePitch));
                    }
            else {
                showPage(voice, page);
                check(name + " page " + std::to_string(page));
            }
        editor->easySynthPitchMode = 0;
        editor->easySamplePitchMode = 0;
        if (voice >= kravo::param::kFirstSampleSlot) {
            for (std::int32_t layer = 0; layer < 2; ++layer) {
                editor->editedLayer = layer;
                showPage(voice, 0);
                check(name + " page 0 (sample page) layer " + std::to_string(layer));
            }
            editor->editedLayer = 0;
            continue;
        }
        const bool tomUser = voice >= 10 && voice <= 12;
        const float keptChoice = tomUser ? plugin->getParameter(tomUserSwitch(voice)) : 0.0f;
        for (const float tomOrUser : tomUser ? std::vector<float>{0.0f, 1.0f} : std::vector<float>{0.0f}) {
            if (tomUser)
                plugin->setParameter(tomUserSwitch(voice), tomOrUser);
            showPage(voice, 0);
            editor::DrumPage* kind = nullptr;
            for (editor::DrumPage* candidate : kinds)
                if (candidate->kindIndexOf(voice) >= 0 &&
                    (!tomUser || (candidate == &editor->tomPage) == (tomOrUser < 0.5f)))
                    kind = candidate;
            ASSERT_NE(kind, nullptr) << voice;
            const std::int32_t modelParameter = kind->modelMenu(kind->kindIndexOf(voice))->getTag();
            const float kept = plugin->getParameter(modelParameter);
            const std::string kindName = tomUser ? (tomOrUser < 0.5f ? " tom" : " user") : "";
            // Past the kinds' synthesised models a model plays a sample: one more shows that layout.
            for (int model = 0; model <= editor::kMostSynthModels; ++model) {
                setModel(modelParameter, model);
                check(name + kindName + " page 0 model " + std::to_string(model));
            }
            plugin->setParameter(modelParameter, kept);
            editor->updateVoicePage();
        }
        if (tomUser)
            plugin->setParameter(tomUserSwitch(voice), keptChoice);
    }

    showPage(0, 0);
    checkEffectSlots("voice 0 page 0");
    for (int envelope = 0; envelope < 2; ++envelope)
        for (int lfo = 0; lfo < 2; ++lfo)
            for (int slot = 0; slot < ModulationPageControls::kSlotCount; ++slot) {
                editor->selectedEnv = envelope;
                editor->selectedLfo = lfo;
                editor->selectedModSlot = slot;
                showPage(0, 3);
                check("page 3 envelope " + std::to_string(envelope) + " lfo " + std::to_string(lfo) +
                      " matrix slot " + std::to_string(slot));
            }
    editor->selectedEnv = 0;
    editor->selectedLfo = 0;
    editor->selectedModSlot = 0;
    showPage(0, 3);
    checkEffectSlots("page 3");

    EXPECT_TRUE(overlaps.empty()) << report();
}

} // namespace
