#include "platform/ole/co_create_instance.h"

#include "platform/ole/drop_target.h"
#include "platform/ole/ole_initialize.h"
#include "platform/shell/shell_link.h"
#include "tests/platform/ole/counting_drop_target.h"

#include <gtest/gtest.h>

namespace {

TEST(CoCreateInstance, MakesAShellLinkInProcessThatAlsoAnswersAsAPersistFile)
{
    ASSERT_EQ(OleInitialize(nullptr), S_OK);
    void* object = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, &object), S_OK);
    auto* link = static_cast<IShellLinkA*>(object);
    EXPECT_EQ(platform::shellLinkCount(), 1);

    IPersistFile* file = nullptr;
    ASSERT_EQ(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)), S_OK);
    void* unknownFromLink = nullptr;
    void* unknownFromFile = nullptr;
    link->QueryInterface(IID_IUnknown, &unknownFromLink);
    file->QueryInterface(IID_IUnknown, &unknownFromFile);
    EXPECT_EQ(unknownFromLink, unknownFromFile) << "one object behind both interfaces";
    static_cast<IUnknown*>(unknownFromLink)->Release();
    static_cast<IUnknown*>(unknownFromFile)->Release();

    EXPECT_EQ(file->QueryInterface(IID_IDropTarget, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(link->Release(), 1u);
    EXPECT_EQ(platform::shellLinkCount(), 1);
    EXPECT_EQ(file->Release(), 0u);
    EXPECT_EQ(platform::shellLinkCount(), 0);
    OleUninitialize();
}

TEST(CoCreateInstance, RefusesWithoutOleAnotherClassOrContextAggregationOrAMissingInterfaceLeavingNothing)
{
    void* object = &object;
    EXPECT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, &object),
              CO_E_NOTINITIALIZED);
    EXPECT_EQ(object, nullptr);

    OleInitialize(nullptr);
    void* anything = &object;
    kravo::test::CountingDropTarget outer;
    EXPECT_EQ(CoCreateInstance(IID_IShellLinkA, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, &object),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, 0x4, IID_IShellLinkA, &object), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(CoCreateInstance(CLSID_ShellLink, &outer, CLSCTX_INPROC_SERVER, IID_IShellLinkA, &object),
              E_INVALIDARG);
    EXPECT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IDataObject, &anything),
              E_NOINTERFACE);
    EXPECT_EQ(anything, nullptr);
    EXPECT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, nullptr), E_POINTER);
    EXPECT_EQ(platform::shellLinkCount(), 0);
    EXPECT_EQ(outer.references, 1u);
    OleUninitialize();
}

} // namespace
