#pragma once

// The pattern file browser: seven rows of the plug-in's pattern list (sub-folders first, then pattern
// files without their extension), a scroll bar, and a band that goes back to the root folder. A click
// highlights, a double click loads the file into the page's pattern, the right button plays a file on
// the pattern while it is held and puts the pattern back afterwards. The list lives in the plug-in
// object; the browser tells no listener.

#include "toolkit/control.h"

#include <cstdint>
#include <string>

class APlugin;

class PatternFileBrowser : public Toolkit::CControl {
public:
    PatternFileBrowser(const Toolkit::CRect& size, Toolkit::CControlListener* listener);

    // The pattern that loads and auditions go to.
    void setPattern(std::int32_t newPattern) { pattern = newPattern; }
    std::int32_t getPattern() const { return pattern; }
    void resetSelection();
    std::int32_t getSelectedEntry() const { return selectedEntry; }
    float getScrollPosition() const { return scrollPosition; }
    // The list index of the first row shown, for a list of count entries.
    std::int32_t firstVisibleEntry(std::int32_t count) const;
    // Moves the list by two entries per delta, within the list.
    void scrollBy(std::int32_t count, std::int32_t delta);

    // A pattern file is listed without its extension, a folder whole.
    static std::string shownName(std::int32_t kind, const std::string& name);

    void draw(Toolkit::CDrawContext* context) override;
    void mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons) override;

private:
    APlugin* editorPlugin();
    void drawImage(Toolkit::CDrawContext* context, std::int32_t id, const Toolkit::CRect& rect);
    void dragThumb(Toolkit::CDrawContext* context);
    // Answers whether the list is drawn again.
    bool clickEntry(Toolkit::CDrawContext* context, APlugin* owner, std::int32_t n, std::int32_t buttons);
    void audition(Toolkit::CDrawContext* context, APlugin* owner);

    std::int32_t pattern = 0;
    std::int32_t width;
    std::int32_t height;
    std::int32_t left;
    std::int32_t top;
    std::int32_t selectedEntry = -1;
    float rootBandTop = 21.0f;
    float rootBandBottom = 35.0f;
    float listTop = 36.0f;
    float textWidth;
    float rowHeight = 13.0f;
    std::int32_t visibleRows = 7;
    float scrollPosition = 0.0f;
    float scrollTravel = 56.0f;
    float scrollBarX = 104.0f;
    float scrollBarTop = 30.0f;
};
