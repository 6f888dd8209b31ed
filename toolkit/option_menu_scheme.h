#pragma once

// How the pop-up of an option menu draws its items itself: background, selection and text colours and a
// font. One scheme may be the toolkit-wide default, which option menus take when they are made.

#include "toolkit/color.h"
#include "toolkit/font_table.h"
#include "toolkit/rect.h"
#include "toolkit/reference_counter.h"

#include <cstdint>

namespace Toolkit {

class CDrawContext;

class COptionMenuScheme : public CReferenceCounter {
public:
    // The state bits of an item being drawn.
    enum ItemState : std::int32_t { kItemChecked = 1, kItemDisabled = 2, kItemSelected = 4 };

    // In the system's menu colours.
    COptionMenuScheme();
    // Stops being the default on its way out.
    ~COptionMenuScheme() override;

    // Width and height (h and v) of the item with the text.
    virtual void getItemSize(const char* text, CDrawContext* context, CPoint& size);
    // A text with a tab shows its second part in a column at the item's right.
    virtual void drawItem(
        const char* text, std::int32_t itemId, std::int32_t state, CDrawContext* context, const CRect& rect);
    virtual void drawItemBack(CDrawContext* context, const CRect& rect, bool selected);

    void setColors(CColor background, CColor selection, CColor text, CColor hiliteText, CColor disableText);
    void setFont(std::int32_t fontId) { font = fontId; }

protected:
    CColor backgroundColor;
    CColor selectionColor;
    CColor textColor;
    CColor hiliteTextColor;
    CColor disableTextColor;
    std::int32_t font = kArial11;
};

// Null until an editor sets the scheme it owns.
extern COptionMenuScheme* defaultOptionMenuScheme;

} // namespace Toolkit
