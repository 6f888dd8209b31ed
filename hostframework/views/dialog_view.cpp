#include "hostframework/views/dialog_view.h"

#include "hostframework/host_error.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics.h"
#include "platform/four_char_code.h"

#include <cstring>

namespace {

constexpr std::uint32_t kDialogType = FourCharCode("DLOG");
constexpr std::int32_t kItemListAt = 18;
constexpr std::int32_t kDialogSize = kItemListAt + 2;

} // namespace

CDialogView::~CDialogView()
{
    if (pattern != nullptr)
        HostExtDisposePixelPattern(pattern);
}

void CDialogView::SetPort(HostPort port)
{
    if (port != nullptr && pattern == nullptr) {
        const HostPort previousPort = HostExtGetPort();
        HostExtSetPort(port);
        const std::int16_t previousFile = UsePlugInResFile();
        pattern = LoadPixPat(patternID);
        RestoreResFile(previousFile);
        HostExtSetPort(previousPort);
    }
    CItemListView::SetPort(port);
}

void CDialogView::FinishInitialize()
{
    const std::int16_t previous = UsePlugInResFile();
    HostHandle resource = HostExtGetResource(kDialogType, dialogID);
    RestoreResFile(previous);
    // A dialog too short to name its item list counts as missing.
    if (resource == nullptr || HostExtGetHandleSize(resource) < kDialogSize) {
        HostExtReleaseResource(resource);
        throw CHostError(kHostErrNullValue);
    }
    HostRect bounds{};
    std::memcpy(&bounds, *resource, sizeof bounds);
    std::int16_t listID = 0;
    std::memcpy(&listID, *resource + kItemListAt, sizeof listID);
    HostExtReleaseResource(resource);
    SetFrame({0, 0, static_cast<std::int16_t>(bounds.bottom - bounds.top),
              static_cast<std::int16_t>(bounds.right - bounds.left)});
    SetEnabled(false);
    SetItemListID(listID);
    CItemListView::FinishInitialize();
}
