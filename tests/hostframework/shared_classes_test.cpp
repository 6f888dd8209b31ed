#include "hostframework/doa_unknown.h"
#include "hostframework/process_group_interface.h"
#include "hostframework/ptr_vector.h"
#include "tests/hostframework/support/host_error_code.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using kravo::test::hostErrorCode;

struct Counted {
    explicit Counted(int& deaths) : deaths(deaths) {}
    virtual ~Counted() { ++deaths; }
    int& deaths;
};

TEST(PtrVector, PositionsCountFromOneAndTheListOwnsItsElements)
{
    int deaths = 0;
    {
        CPtrVector<Counted> list;
        Counted* third = nullptr;
        for (int i = 0; i < 3; ++i)
            list.Add(third = new Counted(deaths));
        EXPECT_FALSE(list.IsValidIndex(0));
        EXPECT_FALSE(list.IsValidIndex(4));
        EXPECT_EQ(list.Get(3), third);
        try {
            list.Get(0);
            FAIL();
        } catch (const CHostError& error) {
            EXPECT_EQ(error.GetCode(), -7300);
        }
        EXPECT_THROW(list.Add(nullptr), CHostError);
    }
    EXPECT_EQ(deaths, 3);
}

class Watched : public DOA::CUnknown {
public:
    explicit Watched(bool& destroyed) : destroyed(destroyed) {}
    ~Watched() override { destroyed = true; }
    bool& destroyed;
};

TEST(Unknown, AnswersTheBaseIdAndDiesAtItsLastRelease)
{
    bool destroyed = false;
    auto* object = new Watched(destroyed);
    void* out = object;
    EXPECT_EQ(object->QueryInterface({1, 2, 3, {4}}, &out), static_cast<std::int32_t>(0x80004002u));
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(object->AddRef(), 2); // the count was kept at 1
    EXPECT_EQ(object->QueryInterface(DOA::kUnknownInterfaceID, &out), 0);
    EXPECT_EQ(out, static_cast<DOA::INondelegatingUnknown*>(object));
    EXPECT_EQ(object->Release(), 2);
    EXPECT_EQ(object->Release(), 1);
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(object->Release(), 0);
    EXPECT_TRUE(destroyed);
}

TEST(CheckRoutines, ThrowTheirCodes)
{
    EXPECT_EQ(hostErrorCode([] { ThrowIfError(0); }), 0);
    EXPECT_EQ(hostErrorCode([] { ThrowIfError(std::int16_t{-7125}); }), -7125);
    EXPECT_EQ(hostErrorCode([] { ThrowIfFalse(false); }), -7400);
    EXPECT_EQ(hostErrorCode([] { ThrowIfNull(nullptr); }), -7053);
    EXPECT_EQ(hostErrorCode([] { ThrowIfZero(0); }), -7053);
}

class DefaultGroup : public CProcessGroupInterface {
public:
    std::int32_t HostCall6(std::int32_t, std::uint32_t*, std::uint32_t*, std::uint32_t*) override { return 0; }
};

TEST(ProcessGroupInterface, DefaultsAnswerHarmlessly)
{
    DefaultGroup group;
    EXPECT_TRUE(group.IsRoutineSupported(0) && group.IsRoutineSupported(173) && group.IsRoutineSupported(-6));
    EXPECT_FALSE(group.IsRoutineSupported(174) || group.IsRoutineSupported(-7));

    char text[8] = {};
    EXPECT_EQ(group.HostCall12(3, text), 0);
    EXPECT_EQ(std::string(text, 4), std::string("\x03Oth"));

    std::int32_t flag = 9;
    std::uint32_t value = 0;
    group.HostCall136(21, &flag, 1, &value);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(value, 27u);
    value = 5;
    group.HostCall136(21, &flag, 0, &value);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(value, 5u);

    std::int32_t controlValue = 77;
    std::int16_t count = 3;
    char name[4] = "abc";
    EXPECT_EQ(group.GetControlValue(0, 0, 1, &controlValue), 0);
    EXPECT_EQ(group.GetNumControls(0, 0, &count), 0);
    EXPECT_EQ(group.GetControlName(0, 0, 1, name), 0);
    EXPECT_EQ(controlValue, 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(name[0], '\0');

    SHostPlugInStemFormats formats{};
    EXPECT_EQ(group.GetStemFormats(0, 0, &formats), -7110);
    EXPECT_EQ(formats.formats[2], -100);
    std::uint8_t same = 1;
    EXPECT_EQ(group.CompareChunk(0, 0, nullptr, &same), -9007);
    EXPECT_EQ(same, 0);
    EXPECT_EQ(group.GetTypeKind(0, nullptr), -7000);
    EXPECT_EQ(group.HostCall156(0, 0, 0, 0, 0, nullptr), -7304);
    EXPECT_EQ(group.Operation38(), -7102);
    EXPECT_EQ(group.GetSampleRate(), 44100);
}

} // namespace
