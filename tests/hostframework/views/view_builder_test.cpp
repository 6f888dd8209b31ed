#include "hostframework/views/custom_view.h"
#include "hostframework/views/keyword_map.h"
#include "hostframework/views/view_builder.h"
#include "platform/four_char_code.h"
#include "tests/hostframework/views/description_test.h"

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using kravo::test::DescriptionTest;
using kravo::test::recordOf;
using kravo::test::TestNoUIView;

constexpr HostRect kFrame{10, 20, 30, 40};

// What a built view should be; nothing when no view is built.
struct SBuilt {
    std::uint32_t id;
    bool plate;
    bool inverse;
    std::int16_t style;
    bool enabled = true;
};

struct SBuildCase {
    const char* name;
    std::string text;
    std::uint8_t type;
    std::optional<SBuilt> built;
};

SViewRecord recordWith(const std::string& text, std::uint8_t type)
{
    SViewRecord record = recordOf(text);
    record.type = type;
    record.frame = kFrame;
    return record;
}

// Counts the views of its class alive, to show a view that cannot read its description is deleted.
class CountedView : public CCustomView {
public:
    CountedView() { ++alive; }
    ~CountedView() override { --alive; }
    static inline int alive = 0;
};

CCustomView* makeCounted()
{
    return new CountedView;
}

CCustomView* makeNull()
{
    return nullptr;
}

class BuiltViews : public DescriptionTest {
protected:
    void TearDown() override
    {
        registerKeyword("plate", kConstantKind, kPlateConstant);
        registerViewCreator("Background", &NewCustomView);
        DescriptionTest::TearDown();
    }

    // The view built from the record, owned by the test; is-description goes to the out argument.
    static std::unique_ptr<CCustomView> build(const SViewRecord& record, bool* isDescription)
    {
        return std::unique_ptr<CCustomView>(BuildViewFromRecord(&record, isDescription));
    }
};

TEST_F(BuiltViews, RecordsBuildTheViewsTheirTextsDescribe)
{
    const SBuildCase cases[] = {
        {"an id alone", "!NoUIView[('NoID')]", 8, SBuilt{0x4E6F4944, false, false, 0}},
        {"built disabled", "!NoUIView[('NoID')]", 0x88, SBuilt{0x4E6F4944, false, false, 0, false}},
        {"a plain background", "!Background[('abcd')]", 8, SBuilt{0x61626364, false, false, 0}},
        {"a plate of style 3", "!Background[('abcd' plate 3)]", 8, SBuilt{0x61626364, true, false, 3}},
        {"an inverse plate", "!Background[('abcd', inversePlate)]", 8, SBuilt{0x61626364, true, true, 0}},
        {"a number right before a name", "!Background[('abcd' 3plate)]", 8, SBuilt{0x61626364, true, false, 3}},
        {"the last style counts", "!Background[('abcd' 3 5)]", 8, SBuilt{0x61626364, false, false, 5}},
        {"a negative style", "!Background[('abcd' -2 plate)]", 8, SBuilt{0x61626364, true, false, -2}},
        {"later groups left to the subclass", "!Background[('abcd')(1 2)]", 8, SBuilt{0x61626364, false, false, 0}},
        {"no group", "!Background[]", 8, std::nullopt},
        {"an empty first group", "!Background[()]", 8, std::nullopt},
        {"a real", "!Background[('abcd' 2.5)]", 8, std::nullopt},
        {"another constant", "!Background[('abcd' frame)]", 8, std::nullopt},
        {"a string", "!Background[('abcd' \"x\")]", 8, std::nullopt},
        {"the id not first", "!Background[(plate 'abcd')]", 8, std::nullopt},
        {"a character for an id", "!Background[('a')]", 8, std::nullopt},
        {"a style past the table keeps its number", "!Background[('abcd' plate 70)]", 8,
         SBuilt{0x61626364, true, false, 70}},
    };
    for (const SBuildCase& c : cases) {
        SCOPED_TRACE(c.name);
        bool isDescription = !c.built;
        const auto view = build(recordWith(c.text, c.type), &isDescription);
        EXPECT_EQ(isDescription, c.built.has_value());
        if (!c.built) {
            EXPECT_EQ(view, nullptr);
            continue;
        }
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->GetID(), c.built->id);
        EXPECT_EQ(view->HasPlate(), c.built->plate);
        EXPECT_EQ(view->HasInversePlate(), c.built->inverse);
        EXPECT_EQ(view->GetOwnPlateStyle(), c.built->style);
        EXPECT_EQ(view->IsEnabled(), c.built->enabled);
        HostRect frame{};
        view->GetFrame(&frame);
        EXPECT_EQ(frame.top, kFrame.top);
        EXPECT_EQ(frame.left, kFrame.left);
        EXPECT_EQ(frame.bottom, kFrame.bottom);
        EXPECT_EQ(frame.right, kFrame.right);
        EXPECT_EQ(view->GetParent(), nullptr);
    }
}

TEST_F(BuiltViews, NoUIViewBuildsItsOwnClass)
{
    bool isDescription = false;
    const auto view = build(recordWith("!NoUIView[('NoID')]", 8), &isDescription);
    EXPECT_NE(dynamic_cast<TestNoUIView*>(view.get()), nullptr);
}

TEST_F(BuiltViews, ATextThatIsNoDescriptionBuildsNothing)
{
    registerViewCreator("Background", &makeCounted);
    for (const char* text : {"", "!Background", "!Background[('abcd')] extra", "!Unknown[('abcd')]"}) {
        bool isDescription = true;
        EXPECT_EQ(build(recordWith(text, 8), &isDescription), nullptr) << text;
        EXPECT_FALSE(isDescription) << text;
    }
    EXPECT_EQ(CountedView::alive, 0);
}

TEST_F(BuiltViews, AnUnregisteredTypeIsNoDescription)
{
    // As "NoUIView" before its group registers it.
    bool isDescription = true;
    EXPECT_EQ(build(recordWith("!NoUIViewX[('NoID')]", 8), &isDescription), nullptr);
    EXPECT_FALSE(isDescription);
}

TEST_F(BuiltViews, AViewThatCannotReadItsDescriptionIsDeletedAndNothingIsThrown)
{
    registerViewCreator("Background", &makeCounted);
    for (const char* text : {"!Background[]", "!Background[('abcd' 2.5)]", "!Background[('abc' plate)]",
                             "!Background[('a')]", "!Background[(getString(128 1))]"}) {
        bool isDescription = true;
        EXPECT_EQ(build(recordWith(text, 8), &isDescription), nullptr) << text;
        EXPECT_FALSE(isDescription) << text;
        EXPECT_EQ(CountedView::alive, 0) << text;
    }
    bool isDescription = false;
    const auto view = build(recordWith("!Background[('abcd')]", 8), &isDescription);
    EXPECT_EQ(CountedView::alive, 1);
}

TEST_F(BuiltViews, ANullRecordCreatorOrViewFailsWith7053)
{
    bool isDescription = false;
    try {
        BuildViewFromRecord(nullptr, &isDescription);
        ADD_FAILURE() << "built from a null record";
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), -7053);
    }
    registerViewCreator("Background", &makeNull);
    try {
        build(recordWith("!Background[('abcd')]", 8), &isDescription);
        ADD_FAILURE() << "built a null view";
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), -7053);
    }
    registerViewCreator("Background", nullptr);
    try {
        build(recordWith("!Background[('abcd')]", 8), &isDescription);
        ADD_FAILURE() << "built with a null creator";
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), -7053);
    }
}

TEST_F(BuiltViews, AConstantIsReadByItsValueNotItsName)
{
    registerKeyword("plate", kConstantKind, kInversePlateConstant);
    bool isDescription = false;
    const auto view = build(recordWith("!Background[('abcd' plate)]", 8), &isDescription);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->HasPlate());
    EXPECT_TRUE(view->HasInversePlate());
}

TEST_F(BuiltViews, TheRecordIsLaidOutAsTheHostLaysItOut)
{
    // Reserved word, frame top left bottom right, type byte, length byte, text.
    std::uint8_t bytes[sizeof(SViewRecord)] = {0, 0, 0, 0};
    const HostRect frame{1, 2, 3, 4};
    std::memcpy(bytes + 4, &frame, sizeof frame);
    const std::string text = "!Background[('wxyz')]";
    bytes[12] = 0x88;
    bytes[13] = static_cast<std::uint8_t>(text.size());
    std::memcpy(bytes + 14, text.data(), text.size());
    SViewRecord record{};
    std::memcpy(&record, bytes, sizeof record);
    bool isDescription = false;
    const auto view = build(record, &isDescription);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetID(), FourCharCode("wxyz"));
    EXPECT_FALSE(view->IsEnabled());
    HostRect built{};
    view->GetFrame(&built);
    EXPECT_EQ(built.left, 2);
    EXPECT_EQ(built.bottom, 3);
}

} // namespace
