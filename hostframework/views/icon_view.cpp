#include "hostframework/views/icon_view.h"

#include "hostlibs/extension/host_controls.h"
#include "hostlibs/extension/host_graphics.h"
#include "platform/four_char_code.h"

namespace {

constexpr std::uint32_t kIconType = FourCharCode("ICON");

} // namespace

CIconView::~CIconView()
{
    HostExtDisposeHandle(icon);
}

void CIconView::SetIconID(std::int32_t id)
{
    if (id == iconID)
        return;
    HostExtDisposeHandle(icon);
    icon = nullptr;
    iconID = id;
    if (id == -1)
        return;
    const std::int16_t previous = UsePlugInResFile();
    icon = HostExtGetResource(kIconType, static_cast<std::int16_t>(id));
    if (icon != nullptr)
        HostExtDetachResource(icon);
    RestoreResFile(previous);
}

void CIconView::DrawSelf(const HostRect& /*area*/)
{
    if (icon == nullptr)
        return;
    HostColor before{};
    HostExtGetForeColor(&before);
    HostColor colour{};
    GetForeColor(&colour);
    HostExtRGBForeColor(&colour);
    HostRect frame{};
    HostExtPlotIcon(GetFrame(&frame), icon);
    HostExtRGBForeColor(&before);
}
