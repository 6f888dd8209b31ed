#pragma once

// A view whose children come from an item list ('DITL') of the plug-in's resource file: each item is a
// view of the description in its text, or of a class chosen by the item's kind, placed by the item's
// frame relative to the list view's top-left. Described as "!ItemList[(id …)(128)]", or with the ids
// of a horizontal and a vertical scroll control after the list id: "(128 'hscr' 'vscr')".

#include "hostframework/views/custom_view.h"
#include "hostframework/views/scroll_control_view.h"

#include <cstdint>

class CItemListView : public CCustomView {
public:
    // Item types: bit 0x80 builds the view disabled; the kind bits choose its class; a control item's
    // variant bits choose the kind of control.
    static constexpr std::uint8_t kDisabledItem = 0x80;
    static constexpr std::uint8_t kKindBits = 0x7C;
    static constexpr std::uint8_t kVariantBits = 0x03;
    static constexpr std::uint8_t kPlainItem = 0;
    static constexpr std::uint8_t kControlItem = 4;
    static constexpr std::uint8_t kStaticTextItem = 8;
    static constexpr std::uint8_t kEditableTextItem = 16;
    static constexpr std::uint8_t kIconItem = 32;
    static constexpr std::uint8_t kPictureItem = 64;
    static constexpr std::uint8_t kResourceControlVariant = 3;
    static constexpr int kHorizontal = 0;
    static constexpr int kVertical = 1;

    // Unbinds the scroll controls, which outlive the list when they stand elsewhere in the tree.
    ~CItemListView() override;

    void DrawContents(const HostRect& area) override;
    // Builds the items (-7053 without a list id or list; -7400 for an item of no known kind, or for a
    // list that an enclosing list view is building), then what the base does.
    void FinishInitialize() override;
    // Looks the scroll controls up by their ids, from the parent outwards to the root, and binds them; a
    // view of another class with such an id is left alone.
    void Connect() override;
    void Disconnect() override;
    // A second group must follow the first (-7053): the list id, then none or both scroll control ids.
    void ReadDescription(SParseState& state) override;

    // Moves the visible pixels and every child by (dh, dv) and draws what the move uncovered.
    // What a scroll control bound to this list scrolls.
    virtual void ScrollContents(std::int16_t dh, std::int16_t dv);
    // The union of the children's frames; all zeros without children.
    virtual void GetContentBounds(HostRect* out);

    void SetItemListID(std::int16_t id) { itemListID = id; }
    std::int16_t GetItemListID() const { return itemListID; }
    // The id of the horizontal or vertical scroll control, 'NONE' for none.
    std::uint32_t GetScrollControlID(int orientation) const { return scrollIDs[orientation]; }
    // The scroll control bound at Connect; null before, after Disconnect or when none was found.
    CScrollControlView* GetScrollControl(int orientation) const { return scrollControls[orientation]; }
    // Kept by the scroll control itself as it binds to or leaves this list, so that neither outlives
    // the other's link.
    void RememberScrollControl(CScrollControlView* control, std::int16_t orientation);
    void ForgetScrollControl(const CScrollControlView* control);

private:
    void BuildItems(const std::uint8_t* data, std::int32_t size);
    CPlugInView* BuildItem(const std::uint8_t* item);
    CPlugInView* FindOutwards(std::uint32_t wanted);

    std::int16_t itemListID = -1;
    std::uint32_t scrollIDs[2]{kNoID, kNoID};
    CScrollControlView* scrollControls[2]{};
};

// The creator of "ItemList" views; null when there is no memory for one.
CCustomView* NewItemListView();
