#include "hostframework/dsp_library.h"
#include "hostframework/dsp_manager_access.h"
#include "hostframework/host_error.h"
#include "hostframework/module_paths.h"
#include "hostframework/module_version.h"
#include "hostlibs/dspmanager/dsp_manager_control.h"
#include "hostlibs/dspshell/dsp_shell_control.h"
#include "platform/module_loading.h"

#include <gtest/gtest.h>

namespace {

class DspLibrary : public ::testing::Test {
protected:
    void SetUp() override { dspshell::reset(); }
    void TearDown() override
    {
        unloadDshLibrary();
        dspshell::reset();
    }
};

TEST_F(DspLibrary, BindingNeedsOnlyTheHostCodeHandlerSetterAndSwitchesToAccessorsWithoutType18)
{
    dspshell::withhold("DshSetShellHostCodeHandler");
    dspshell::withhold("DshIsPresto");
    EXPECT_EQ(loadDshLibrary(), -7053);
    dspshell::offerEverything();
    dspshell::withhold("DshIsPresto");
    EXPECT_EQ(loadDshLibrary(), 0);
    EXPECT_TRUE(IsAccessorMode());
    std::uint8_t is = 7;
    EXPECT_EQ(GetDshAccessors().isPresto(nullptr, &is), -1);
    EXPECT_EQ(is, 7);
    EXPECT_EQ(GetDshAccessors().isGen2(nullptr, &is), -50); // bound: the driver's own answer
    unloadDshLibrary();
    EXPECT_EQ(GetDshAccessors().isGen2(nullptr, &is), -1);

    dspshell::offerEverything();
    dspshell::addCard(18);
    EXPECT_EQ(loadDshLibrary(), 0);
    EXPECT_FALSE(IsAccessorMode());
}

TEST_F(DspLibrary, CardQueriesReadTheSameDirectlyAndThroughTheAccessors)
{
    dspshell::addCard(15, 2);
    dspshell::addCard(31);
    for (const bool accessors : {false, true}) {
        if (accessors) {
            ASSERT_EQ(loadDshLibrary(), 0);
        }
        EXPECT_EQ(IsAccessorMode(), accessors);
        EXPECT_TRUE(HasCardOfType15());
        EXPECT_TRUE(HasCardOfType31());
        EXPECT_TRUE(HasProcessingCard());
        EXPECT_FALSE(HasCardOfType22() || HasCardOfType28());
        DshDSP* first = nullptr;
        ASSERT_EQ(GetDSPList(&first), 0);
        DshDSP* second = GetNextDSP(first);
        ASSERT_NE(second, nullptr);
        EXPECT_EQ(GetDSPCard(second), GetDSPCard(first));
        EXPECT_EQ(GetNumDSPsOnCard(GetDSPCard(first)), 2);
        EXPECT_EQ(GetDSPCard(GetNextDSP(second))->type, 31);
    }
    EXPECT_GE(dspshell::driverStarts(), 1);
    dspshell::failDriverStart(-12);
    EXPECT_THROW(HasCardOfType(15), CHostError);
}

TEST_F(DspLibrary, TheDspManagerIsKeptWithoutHoldingReferences)
{
    dspmanager::provide(false);
    EXPECT_EQ(GetDSPManagerInterface(), nullptr);
    dspmanager::provide(true);
    IDSPManager* manager = GetDSPManagerInterface();
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(dspmanager::outstandingReferences(), 0);
    EXPECT_EQ(GetDSPManagerInterface(), manager);
    EXPECT_EQ(dspmanager::managerRequests(), 1);
}

TEST(ModuleVersion, TheProjectsVersionAndPathsBesideTheModule)
{
    EXPECT_EQ(GetModuleVersionText(), "0.1.0.0");
    EXPECT_EQ(GetModuleLegalText(), "Copyright 2026 Vexo");
    std::uint16_t numbers[4] = {};
    EXPECT_FALSE(GetModuleVersion(GetModuleHandleA("HOSTEXT.DLL"), numbers));

    platform::setModulePath("/opt/kravo/Kravo.dll");
    EXPECT_EQ(DefaultPathFileNameCallback("Kravo.rsr").GetPath(), "/opt/kravo/Kravo.rsr");
    EXPECT_EQ(GetModuleVersionText(), "0.1.0.0");
    platform::setModulePath("");
    EXPECT_EQ(GetModuleFolder("DSPMANAGER.NOTLOADED"), "");

    const std::string text = "Gr\xc3\xbc\xc3\x9f \xf0\x9f\x8e\xb5";
    EXPECT_EQ(Utf8ToWide(text), L"Gr\u00fc\u00df \U0001F3B5");
    EXPECT_EQ(WideToUtf8(Utf8ToWide(text)), text);
    EXPECT_EQ(Utf8ToWide("a\xc3"), L"a\uFFFD");
    EXPECT_EQ(Utf8ToWide("\xe0\x80\x80"), L"\uFFFD\uFFFD\uFFFD");
}

} // namespace
