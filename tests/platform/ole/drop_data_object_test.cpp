#include "platform/ole/drop_data_object.h"

#include "platform/global_memory.h"
#include "platform/ole/drop_target.h"
#include "platform/shell/drop_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

FORMATETC format(CLIPFORMAT clipFormat, DWORD aspect = DVASPECT_CONTENT, DWORD tymed = TYMED_HGLOBAL)
{
    return {.cfFormat = clipFormat, .ptd = nullptr, .dwAspect = aspect, .lindex = -1, .tymed = tymed};
}

std::string fileAt(HGLOBAL memory, UINT index)
{
    char name[1024];
    const UINT length = DragQueryFileA(static_cast<HDROP>(memory), index, name, sizeof name);
    return std::string(name, length);
}

TEST(DropDataObject, FilesComeAsAFreshDropFilesBlockPerReadEachCountedUntilItsMediumIsReleased)
{
    const int blocksBefore = platform::globalBlockCount();
    platform::DropDataObject* data = platform::DropDataObject::forFiles({"C:\\Kravo\\Kick.wav", "/tmp/snare 2.aif"});
    FORMATETC files = format(CF_HDROP, DVASPECT_CONTENT, TYMED_HGLOBAL | 0x40);
    STGMEDIUM first{};
    STGMEDIUM second{};
    ASSERT_EQ(data->GetData(&files, &first), S_OK);
    ASSERT_EQ(data->GetData(&files, &second), S_OK);
    EXPECT_EQ(first.tymed, TYMED_HGLOBAL);
    EXPECT_NE(first.hGlobal, second.hGlobal);
    EXPECT_NE(first.pUnkForRelease, nullptr);
    EXPECT_EQ(data->outstandingMedia(), 2);
    EXPECT_EQ(data->references(), 3u) << "a medium given out holds its data object";

    EXPECT_EQ(DragQueryFileA(static_cast<HDROP>(first.hGlobal), 0xFFFFFFFF, nullptr, 0), 2u);
    EXPECT_EQ(fileAt(first.hGlobal, 0), "C:\\Kravo\\Kick.wav");
    EXPECT_EQ(fileAt(second.hGlobal, 1), "/tmp/snare 2.aif");

    ReleaseStgMedium(&first);
    EXPECT_EQ(first.tymed, TYMED_NULL);
    EXPECT_EQ(first.hGlobal, nullptr);
    EXPECT_EQ(first.pUnkForRelease, nullptr);
    EXPECT_EQ(data->outstandingMedia(), 1);
    EXPECT_EQ(data->Release(), 1u) << "the last medium still holds it";
    EXPECT_EQ(platform::globalBlockCount(), blocksBefore + 1);
    ReleaseStgMedium(&second);
    EXPECT_EQ(platform::globalBlockCount(), blocksBefore);
}

TEST(DropDataObject, TextComesZeroTerminatedAndEachObjectOffersOnlyItsOwnFormatAspectAndMedium)
{
    platform::DropDataObject* text = platform::DropDataObject::forText("Groove 1");
    FORMATETC asked = format(CF_TEXT);
    STGMEDIUM medium{};
    ASSERT_EQ(text->GetData(&asked, &medium), S_OK);
    ASSERT_EQ(GlobalSize(medium.hGlobal), 9u);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(medium.hGlobal)), "Groove 1");
    GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);
    EXPECT_EQ(text->outstandingMedia(), 0);

    platform::DropDataObject* files = platform::DropDataObject::forFiles({"a.wav"});
    for (FORMATETC refused : {format(CF_HDROP), format(CF_TEXT, 4), format(CF_TEXT, DVASPECT_CONTENT, 0x40)}) {
        const HRESULT expected = refused.cfFormat != CF_TEXT      ? DV_E_FORMATETC
                                 : refused.dwAspect != DVASPECT_CONTENT ? DV_E_DVASPECT
                                                                        : DV_E_TYMED;
        EXPECT_EQ(text->QueryGetData(&refused), expected);
        EXPECT_EQ(text->GetData(&refused, &medium), expected);
    }
    FORMATETC textFormat = format(CF_TEXT);
    FORMATETC filesFormat = format(CF_HDROP);
    EXPECT_EQ(text->QueryGetData(&textFormat), S_OK);
    EXPECT_EQ(files->QueryGetData(&textFormat), DV_E_FORMATETC);
    EXPECT_EQ(files->QueryGetData(&filesFormat), S_OK);
    EXPECT_EQ(text->GetData(nullptr, &medium), E_INVALIDARG);
    EXPECT_EQ(text->GetData(&textFormat, nullptr), E_INVALIDARG);
    EXPECT_EQ(text->outstandingMedia() + files->outstandingMedia(), 0);
    EXPECT_EQ(text->Release(), 0u);
    EXPECT_EQ(files->Release(), 0u);
}

TEST(DropDataObject, AnswersItsOwnInterfacesOnlyAndAPlainMediumIsFreedOnRelease)
{
    platform::DropDataObject* data = platform::DropDataObject::forText("x");
    void* asked = nullptr;
    EXPECT_EQ(data->QueryInterface(IID_IDataObject, &asked), S_OK);
    EXPECT_EQ(asked, static_cast<IDataObject*>(data));
    EXPECT_EQ(data->QueryInterface(IID_IUnknown, &asked), S_OK);
    EXPECT_EQ(data->QueryInterface(IID_IDropTarget, &asked), E_NOINTERFACE);
    EXPECT_EQ(asked, nullptr);
    EXPECT_EQ(data->Release(), 2u);
    EXPECT_EQ(data->Release(), 1u);
    EXPECT_EQ(data->Release(), 0u);

    const int blocksBefore = platform::globalBlockCount();
    STGMEDIUM plain{.tymed = TYMED_HGLOBAL, .hGlobal = GlobalAlloc(GMEM_MOVEABLE, 4), .pUnkForRelease = nullptr};
    ReleaseStgMedium(&plain);
    EXPECT_EQ(platform::globalBlockCount(), blocksBefore);
    ReleaseStgMedium(nullptr);
}

} // namespace
