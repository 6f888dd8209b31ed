#pragma once

// A control that shows its current entry and, when clicked, opens a pop-up menu of its entries. An
// entry's text may start with a prefix: "-M" opens the next sub-menu, "-T" is a title, "-B" starts a new
// column, "-G" is greyed, and "-" alone is a separator. A choice sets the value and current entry of the
// menu that holds it, this one or a sub-menu, and is reported to this menu's listener with that menu.

#include "platform/window/window_types.h"
#include "toolkit/param_display.h"

#include <array>
#include <vector>

namespace Toolkit {

class COptionMenuScheme;

class COptionMenu : public CParamDisplay {
public:
    // Takes the toolkit-wide default scheme as it is now.
    COptionMenu(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background = nullptr,
        CBitmap* bgWhenClick = nullptr, std::int32_t style = 0);
    ~COptionMenu() override;

    // The current entry's text without its number and a "-B" after it.
    void draw(CDrawContext* context) override;
    // The left or right button opens the pop-up, over the click background while it is open.
    void mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons) override;
    void looseFocus(CDrawContext* context) override;
    // Shows the pop-up at the control's bottom-left corner (top-left with kPopupStyle) and waits for the
    // choice.
    void takeFocus(CDrawContext* context) override;
    bool isTypeOf(const char* type) override;
    // The entry the value names when truncated; a value outside the entries changes nothing.
    void setValue(float newValue) override;

    // At the end, or at the index with the later entries moved down. The first entry becomes current.
    virtual bool addEntry(const char* text, std::int32_t index = -1);
    // A "-M" entry that opens the sub-menu; the menu holds a reference to it.
    virtual bool addEntry(COptionMenu* subMenu, const char* text);
    // Without countSeparator, only entries that are neither separators nor titles count. The text is the
    // stored one, prefixes included.
    virtual std::int32_t getCurrent(char* text = nullptr, bool countSeparator = true);
    // A separator cannot be current.
    virtual bool setCurrent(std::int32_t index, bool countSeparator = true);
    virtual bool getEntry(std::int32_t index, char* text);
    virtual bool setEntry(std::int32_t index, const char* text);
    virtual bool removeEntry(std::int32_t index);
    virtual bool removeAllEntry();
    virtual std::int32_t getNbEntries() { return static_cast<std::int32_t>(entry.size()); }
    // The first entry whose stored text is the text, or −1.
    virtual std::int32_t getIndex(const char* text);
    virtual bool checkEntry(std::int32_t index, bool state);
    virtual bool checkEntryAlone(std::int32_t index);
    virtual bool isCheckEntry(std::int32_t index);
    // Menus of fewer than 160 entries break into columns of this many items; −1 for none.
    virtual void setNbItemsPerColumn(std::int32_t count) { nbItemsPerColumn = count; }
    virtual std::int32_t getNbItemsPerColumn() { return nbItemsPerColumn; }
    virtual COptionMenuScheme* getScheme() { return scheme; }
    // Entries added afterwards start with their number in this many characters, its blank included:
    // 2, 3 or 4; 0 for none.
    virtual void setPrefixNumbers(std::int32_t digits) { prefixNumbers = digits; }

    // Null for an index beyond the sub-menus.
    COptionMenu* getSubMenu(std::int32_t index);
    // The menu that held the last choice, and the chosen entry's index in it; null and −1 before one.
    COptionMenu* getLastItemMenu(std::int32_t& index);
    // The menu whose pop-up items had the id, and the entry's index in it; offset is the first id of
    // this menu's items and comes back past those of the menus searched.
    COptionMenu* getItemMenu(std::int32_t id, std::int32_t& index, std::int32_t& offset);
    // Builds the pop-up with its sub-menus, the items' ids counting on from runningId.
    HMENU appendItems(std::int32_t& runningId);
    void removeItems();

    static constexpr std::int32_t kMaxEntries = 1024;
    // Stored texts are cut to 255 characters.
    static constexpr std::size_t kEntrySize = 256;

protected:
    using EntryText = std::array<char, kEntrySize>;

    bool isSeparator(std::size_t index) const;
    // Neither a separator nor a title.
    bool counts(std::size_t index) const;
    void toggleCurrentCheck();

    HMENU platformControl = nullptr;
    std::vector<EntryText> entry;
    // Held; in the order of their "-M" entries.
    std::vector<COptionMenu*> submenuEntry;
    std::vector<bool> check;
    std::int32_t currentIndex = -1;
    CBitmap* bgWhenClick;
    std::int32_t lastButton;
    std::int32_t nbItemsPerColumn = -1;
    std::int32_t lastResult = -1;
    std::int32_t prefixNumbers = 0;
    COptionMenu* lastMenu = nullptr;
    // Not held: its owner keeps it as long as the menus.
    COptionMenuScheme* scheme;
};

} // namespace Toolkit
