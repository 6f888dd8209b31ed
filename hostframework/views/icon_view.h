#pragma once

// An icon of the plug-in's resource file, drawn into the view's frame in the view's foreground colour.

#include "hostframework/views/custom_view.h"
#include "hostlibs/extension/host_extension.h"

#include <cstdint>

class CIconView : public CCustomView {
public:
    ~CIconView() override;

    void DrawSelf(const HostRect& area) override;

    std::int32_t GetIconID() const { return iconID; }
    // -1 leaves no icon; an id the resource file does not hold leaves none either.
    void SetIconID(std::int32_t id);
    bool HasIcon() const { return icon != nullptr; }

private:
    std::int32_t iconID = -1;
    HostHandle icon = nullptr;
};
