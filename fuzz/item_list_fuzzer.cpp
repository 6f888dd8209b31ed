// Feeds arbitrary bytes to an item list view as its item list ('DITL'), stored big-endian as the
// resource file stores it and turned to the machine's order as the toolbox hands it over. The bytes
// sit in a block of exactly their size, so the sanitizers catch any read past the list. Whatever the
// bytes, the view builds the items that lie whole inside them or fails with -7053 or -7400, and goes
// with its items without a leak.

#include "fuzz/view_neighbours.h"
#include "hostframework/host_error.h"
#include "hostframework/views/item_list_view.h"
#include "hostlibs/extension/resource_native_order.h"
#include "platform/four_char_code.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>

namespace {

constexpr std::uint32_t kItemListType = FourCharCode("DITL");
constexpr std::int16_t kListID = 128;

struct SBlock {
    char* data;
    std::int32_t size;
};

std::map<char**, SBlock>& blocks()
{
    static std::map<char**, SBlock> live;
    return live;
}

const std::uint8_t* gList = nullptr;
std::size_t gListSize = 0;

int countViews(const CPlugInView& view)
{
    int count = 0;
    for (const CPlugInView* child = view.GetFirstSubView(); child != nullptr; child = child->GetNextSibling())
        count += 1 + countViews(*child);
    return count;
}

} // namespace

// The view's neighbours, reduced to what it asks of them: one resource file holding only the list, no
// host to let run (the group's stand-ins beside this file).

// Handles of exactly their size, in place of the toolbox's own.
extern "C" char** HostExtGetResource(std::uint32_t type, std::int16_t id)
{
    check(resFileNesting == 1);
    if (type != kItemListType || id != kListID)
        return nullptr;
    const auto size = static_cast<std::int32_t>(gListSize);
    auto* master = new char*(new char[gListSize]);
    std::memcpy(*master, gList, gListSize);
    hostext::toNativeOrder(type, reinterpret_cast<std::uint8_t*>(*master), size);
    blocks()[master] = {*master, size};
    return master;
}

extern "C" void HostExtDetachResource(char**) {}

extern "C" void HostExtLockHandle(char**) {}

extern "C" void HostExtUnlockHandle(char**) {}

extern "C" std::int32_t HostExtGetHandleSize(char** handle)
{
    const auto found = blocks().find(handle);
    return found == blocks().end() ? 0 : found->second.size;
}

extern "C" void HostExtDisposeHandle(char** handle)
{
    const auto found = blocks().find(handle);
    if (found == blocks().end())
        return;
    delete[] found->second.data;
    delete handle;
    blocks().erase(found);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    gList = data;
    gListSize = size;
    auto view = std::make_unique<CItemListView>();
    view->SetFrame({3, 5, 103, 205});
    view->SetItemListID(kListID);
    try {
        view->Initialize();
        // Every item takes at least its 14-byte header.
        check(countViews(*view) <= static_cast<int>(size / 14));
    } catch (const CHostError& error) {
        check(error.GetCode() == kHostErrNullValue || error.GetCode() == kHostErrCheckFailed);
    }
    view.reset();
    check(blocks().empty());
    check(resFileNesting == 0);
    return 0;
}
