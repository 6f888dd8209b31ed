#pragma once

// The sample page's file browser: for one slot and layer (its source) the name of the layer's sample, a
// list of 11 rows with the sub-folders and sample files of the layer's browse folder, a scroll thumb and
// the folder's path. Rows are selected with a click, folders entered and files loaded with a double click,
// a file auditioned while the right button is held on it. The list and the files are the plug-in object's;
// the browser reads the list and asks for the rest. It changes no parameter itself and reports nothing.

#include "toolkit/control.h"

#include <cstdint>
#include <string>

class APlugin;
class uEditor;

class TSampleFileDisplay : public Toolkit::CControl {
public:
    static constexpr std::int32_t kVisibleRows = 11;
    // The scroll range in pixels: the thumb's travel.
    static constexpr float kScrollRange = 99.0f;
    // Set as pending select: the next draw selects the row of the layer's current file.
    static constexpr std::int32_t kSelectCurrentFile = 123;

    explicit TSampleFileDisplay(const Toolkit::CRect& size);

    void draw(Toolkit::CDrawContext* context) override;
    void mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons) override;

    // Browses the slot's layer; the row of its current file is selected at the next draw.
    void setSource(std::int32_t slot, std::int32_t layer);
    // The list index the first row shows.
    std::int32_t firstVisibleEntry(std::int32_t count) const;
    // Two rows a step, within the list; a list that fits in the rows stays where it is.
    void scrollBy(std::int32_t count, std::int32_t delta);

    std::int32_t getSourceSlot() const { return sourceSlot; }
    std::int32_t getSourceLayer() const { return sourceLayer; }
    float getScrollPosition() const { return scrollPosition; }
    std::int32_t getSelectedEntry() const { return selectedEntry; }

private:
    uEditor* owner();
    APlugin* plugin();
    void drawRows(Toolkit::CDrawContext* context, APlugin* effect, const std::string& currentFile);
    void dragThumb(Toolkit::CDrawContext* context);
    void clickRow(Toolkit::CDrawContext* context, APlugin* effect, std::int32_t y, std::int32_t buttons);
    void openFolderMenu(Toolkit::CDrawContext* context, APlugin* effect, const Toolkit::CPoint& where);
    void redrawNow();

    std::int32_t sourceSlot = 0;
    std::int32_t sourceLayer = 0;
    float width;
    float height;
    float textWidth;
    float left;
    float top;
    float listTop = 38.0f;
    float pathTop = 186.0f;
    float topStripBottom = 15.0f;
    float rowHeight = 13.0f;
    std::int32_t visibleRows = kVisibleRows;
    float thumbTop = 31.0f;
    float scrollPosition = 0.0f;
    float thumbInset = 3.0f;
    float scrollRange = kScrollRange;
    std::int32_t selectedEntry = -1;
    std::int32_t pendingSelect = -1;
};
