#pragma once

// The font of a port's text settings, made through the drawing stand-in for as long as one text routine
// runs, with the metrics and widths the text routines lay text out by.

#include "hostlibs/extension/host_graphics.h"
#include "hostlibs/extension/host_text.h"
#include "platform/gdi/gdi_types.h"

#include <string_view>

namespace hostext {

class TextFont {
public:
    explicit TextFont(const HostTextSettings& settings);
    ~TextFont();
    TextFont(const TextFont&) = delete;
    TextFont& operator=(const TextFont&) = delete;

    // False when no face could be had: nothing is then measured or drawn.
    bool usable() const { return usable_; }
    HFONT handle() const { return font_; }
    const HostFontInfo& info() const { return info_; }
    int ascent() const { return info_.ascent; }
    int descent() const { return info_.descent; }
    int lineHeight() const { return info_.ascent + info_.descent + info_.leading; }
    int width(std::string_view text) const;

private:
    HDC measuring_;
    HFONT font_;
    bool usable_ = false;
    HostFontInfo info_{0, 0, 0, 0};
};

} // namespace hostext
