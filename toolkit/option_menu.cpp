#include "toolkit/option_menu.h"

#include "platform/menu/popup_menus.h"
#include "platform/menu/track_popup_menu.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/window_layout.h"
#include "toolkit/bitmap.h"
#include "toolkit/draw_context.h"
#include "toolkit/frame.h"
#include "toolkit/messages.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/option_menu_scheme.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace Toolkit {

namespace {

constexpr char kSeparator[] = "-";
constexpr char kSubMenuPrefix[] = "-M";
constexpr char kTitlePrefix[] = "-T";
constexpr char kColumnPrefix[] = "-B";
constexpr char kGreyedPrefix[] = "-G";
constexpr std::size_t kPrefixLength = 2;
// From this many entries on, a menu makes no columns of its own.
constexpr std::int32_t kMaxEntriesWithColumns = 160;

bool startsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// The number before an entry's text, in as many characters (its blank included) as numbering asks for;
// null without numbering.
const char* numberFormat(std::int32_t prefixNumbers)
{
    switch (prefixNumbers) {
    case 2: return "%s%1d %s";
    case 3: return "%s%02d %s";
    case 4: return "%s%03d %s";
    default: return nullptr;
    }
}

// Cut to the buffer; with numbering the number comes between the prefix and the text.
void storeText(std::array<char, COptionMenu::kEntrySize>& buffer, const char* prefix, const char* text,
    std::int32_t prefixNumbers, std::size_t number)
{
    if (const char* format = numberFormat(prefixNumbers); format != nullptr)
        std::snprintf(buffer.data(), buffer.size(), format, prefix, static_cast<int>(number), text);
    else
        std::snprintf(buffer.data(), buffer.size(), "%s%s", prefix, text);
}

} // namespace

COptionMenu::COptionMenu(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
    CBitmap* bgWhenClick, std::int32_t style)
    : CParamDisplay(size, background, style),
      bgWhenClick(bgWhenClick),
      lastButton(kRightButton),
      scheme(defaultOptionMenuScheme)
{
    this->listener = listener;
    this->tag = tag;
    if (bgWhenClick != nullptr)
        bgWhenClick->remember();
}

COptionMenu::~COptionMenu()
{
    removeAllEntry();
    if (bgWhenClick != nullptr)
        bgWhenClick->forget();
}

bool COptionMenu::isTypeOf(const char* type)
{
    return std::strcmp(type, "COptionMenu") == 0 || CParamDisplay::isTypeOf(type);
}

bool COptionMenu::isSeparator(std::size_t index) const
{
    return std::strcmp(entry[index].data(), kSeparator) == 0;
}

bool COptionMenu::counts(std::size_t index) const
{
    return !isSeparator(index) && !startsWith(entry[index].data(), kTitlePrefix);
}

void COptionMenu::toggleCurrentCheck()
{
    if ((style & kMultipleCheckStyle) != 0)
        check[static_cast<std::size_t>(currentIndex)] = !check[static_cast<std::size_t>(currentIndex)];
}

bool COptionMenu::addEntry(const char* text, std::int32_t index)
{
    if (getNbEntries() >= kMaxEntries)
        return false;
    std::size_t position = entry.size();
    if (index >= 0) {
        position = std::min(static_cast<std::size_t>(index), entry.size());
        if (currentIndex >= index)
            ++currentIndex;
    }
    entry.insert(entry.begin() + static_cast<std::ptrdiff_t>(position), EntryText{});
    check.insert(check.begin() + static_cast<std::ptrdiff_t>(position), false);
    if (text != nullptr)
        storeText(entry[position], "", text, prefixNumbers, position + 1);
    if (currentIndex == -1)
        currentIndex = 0;
    return true;
}

bool COptionMenu::addEntry(COptionMenu* subMenu, const char* text)
{
    if (getNbEntries() >= kMaxEntries || subMenu == nullptr || text == nullptr)
        return false;
    EntryText& added = entry.emplace_back();
    check.push_back(false);
    storeText(added, kSubMenuPrefix, text, prefixNumbers, entry.size());
    submenuEntry.push_back(subMenu);
    subMenu->remember();
    if (currentIndex == -1)
        currentIndex = 0;
    return true;
}

std::int32_t COptionMenu::getCurrent(char* text, bool countSeparator)
{
    if (currentIndex < 0)
        return -1;
    const auto current = static_cast<std::size_t>(currentIndex);
    if (text != nullptr)
        std::strcpy(text, entry[current].data());
    if (countSeparator)
        return currentIndex;
    std::int32_t counted = 0;
    for (std::size_t index = 0; index < current; ++index)
        counted += counts(index) ? 1 : 0;
    return counted;
}

bool COptionMenu::setCurrent(std::int32_t index, bool countSeparator)
{
    if (index < 0 || index >= getNbEntries())
        return false;
    if (countSeparator) {
        if (isSeparator(static_cast<std::size_t>(index)))
            return false;
        currentIndex = index;
    } else {
        currentIndex = getNbEntries() - 1;
        std::int32_t counted = 0;
        for (std::size_t at = 0; at < entry.size(); ++at) {
            counted += counts(at) ? 1 : 0;
            if (counted > index) {
                currentIndex = static_cast<std::int32_t>(at);
                break;
            }
        }
    }
    toggleCurrentCheck();
    setDirty(true);
    return true;
}

// Compared before the truncation, so that no value is too large to truncate.
void COptionMenu::setValue(float newValue)
{
    if (!(newValue > -1.0f && newValue < static_cast<float>(getNbEntries())))
        return;
    currentIndex = static_cast<std::int32_t>(newValue);
    toggleCurrentCheck();
    CParamDisplay::setValue(newValue);
    setDirty(true);
}

bool COptionMenu::getEntry(std::int32_t index, char* text)
{
    if (index < 0 || index >= getNbEntries() || text == nullptr)
        return false;
    std::strcpy(text, entry[static_cast<std::size_t>(index)].data());
    return true;
}

bool COptionMenu::setEntry(std::int32_t index, const char* text)
{
    if (index < 0 || index >= getNbEntries() || text == nullptr)
        return false;
    storeText(entry[static_cast<std::size_t>(index)], "", text, 0, 0);
    return true;
}

// A "-M" entry takes its sub-menu with it: the later ones keep theirs.
bool COptionMenu::removeEntry(std::int32_t index)
{
    if (index < 0 || index >= getNbEntries())
        return false;
    const auto position = static_cast<std::size_t>(index);
    if (startsWith(entry[position].data(), kSubMenuPrefix)) {
        const auto earlier = static_cast<std::size_t>(std::count_if(entry.begin(), entry.begin() + index,
            [](const EntryText& text) { return startsWith(text.data(), kSubMenuPrefix); }));
        if (earlier < submenuEntry.size()) {
            submenuEntry[earlier]->forget();
            submenuEntry.erase(submenuEntry.begin() + static_cast<std::ptrdiff_t>(earlier));
        }
    }
    entry.erase(entry.begin() + index);
    check.erase(check.begin() + index);
    if (currentIndex >= index)
        --currentIndex;
    if (entry.empty())
        currentIndex = -1;
    return true;
}

bool COptionMenu::removeAllEntry()
{
    for (COptionMenu* subMenu : submenuEntry)
        subMenu->forget();
    submenuEntry = {};
    entry = {};
    check = {};
    currentIndex = -1;
    return true;
}

std::int32_t COptionMenu::getIndex(const char* text)
{
    if (text == nullptr)
        return -1;
    for (std::size_t index = 0; index < entry.size(); ++index)
        if (std::strcmp(entry[index].data(), text) == 0)
            return static_cast<std::int32_t>(index);
    return -1;
}

bool COptionMenu::checkEntry(std::int32_t index, bool state)
{
    if (index < 0 || index >= getNbEntries())
        return false;
    check[static_cast<std::size_t>(index)] = state;
    return true;
}

bool COptionMenu::checkEntryAlone(std::int32_t index)
{
    if (index < 0 || index >= getNbEntries())
        return false;
    std::fill(check.begin(), check.end(), false);
    check[static_cast<std::size_t>(index)] = true;
    return true;
}

bool COptionMenu::isCheckEntry(std::int32_t index)
{
    return index >= 0 && index < getNbEntries() && check[static_cast<std::size_t>(index)];
}

COptionMenu* COptionMenu::getSubMenu(std::int32_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= submenuEntry.size())
        return nullptr;
    return submenuEntry[static_cast<std::size_t>(index)];
}

COptionMenu* COptionMenu::getLastItemMenu(std::int32_t& index)
{
    index = lastMenu != nullptr ? static_cast<std::int32_t>(lastMenu->getValue()) : -1;
    return lastMenu;
}

void COptionMenu::draw(CDrawContext* context)
{
    if (currentIndex < 0 || currentIndex >= getNbEntries()) {
        drawText(context, nullptr);
        return;
    }
    const char* text = entry[static_cast<std::size_t>(currentIndex)].data();
    text += std::min(static_cast<std::size_t>(std::max(prefixNumbers, 0)), std::strlen(text));
    if (startsWith(text, kColumnPrefix))
        text += kPrefixLength;
    drawText(context, text);
}

void COptionMenu::mouse(CDrawContext* context, const CPoint&, std::int32_t buttons)
{
    if (!mouseEnabled || parentFrame == nullptr || context == nullptr)
        return;
    lastButton = buttons == kButtonsUnread ? context->getMouseButtons() : buttons;
    if (listener != nullptr && (lastButton & kAnyModifier) != 0 &&
        listener->controlModifierClicked(context, this, lastButton) != 0)
        return;
    if ((lastButton & (kLeftButton | kRightButton | kFurtherModifier)) == 0)
        return;
    if (bgWhenClick != nullptr) {
        const bool current = currentIndex >= 0 && currentIndex < getNbEntries();
        drawText(context, current ? entry[static_cast<std::size_t>(currentIndex)].data() : "", bgWhenClick);
    }
    beginEdit();
    takeFocus(context);
}

void COptionMenu::looseFocus(CDrawContext*)
{
    platformControl = nullptr;
}

// Every item's id is the menu's first id plus its entry's index, so that a choice maps back to its
// entry even where an entry made no item.
HMENU COptionMenu::appendItems(std::int32_t& runningId)
{
    HMENU menu = CreatePopupMenu();
    const bool ownerDrawn = scheme != nullptr || defaultOptionMenuScheme != nullptr;
    const std::int32_t firstId = runningId;
    runningId += getNbEntries();
    const bool columns = getNbEntries() < kMaxEntriesWithColumns && nbItemsPerColumn >= 1;
    std::size_t nextSubMenu = 0;
    std::int32_t appended = 0;
    for (std::size_t index = 0; index < entry.size(); ++index) {
        char* text = entry[index].data();
        UINT flags = ownerDrawn ? MF_OWNERDRAW : 0;
        if (isSeparator(index)) {
            AppendMenuA(menu, flags | MF_SEPARATOR, 0, text);
            ++appended;
            continue;
        }
        if (columns && appended > 0 && appended % nbItemsPerColumn == 0)
            flags |= MF_MENUBARBREAK;
        UINT_PTR id = static_cast<UINT_PTR>(firstId) + index;
        if (startsWith(text, kSubMenuPrefix)) {
            if (nextSubMenu == submenuEntry.size())
                continue;
            flags |= MF_POPUP;
            id = reinterpret_cast<UINT_PTR>(submenuEntry[nextSubMenu++]->appendItems(runningId));
            text += kPrefixLength;
        } else if (startsWith(text, kGreyedPrefix)) {
            flags |= MF_GRAYED;
            text += kPrefixLength;
        } else if (startsWith(text, kColumnPrefix)) {
            flags |= MF_MENUBREAK;
            text += kPrefixLength;
        } else if (startsWith(text, kTitlePrefix)) {
            flags |= MF_DISABLED;
            text += kPrefixLength;
        } else if ((style & kMultipleCheckStyle) != 0 ? check[index]
                                                       : (style & kCheckStyle) != 0 &&
                           static_cast<std::int32_t>(index) == currentIndex) {
            flags |= MF_CHECKED;
        }
        AppendMenuA(menu, flags, id, text);
        ++appended;
    }
    platformControl = menu;
    return menu;
}

void COptionMenu::removeItems()
{
    for (COptionMenu* subMenu : submenuEntry)
        subMenu->removeItems();
    if (platformControl != nullptr)
        DestroyMenu(platformControl);
    platformControl = nullptr;
}

COptionMenu* COptionMenu::getItemMenu(std::int32_t id, std::int32_t& index, std::int32_t& offset)
{
    const std::int32_t firstId = offset;
    offset += getNbEntries();
    if (id < offset) {
        index = id - firstId;
        return this;
    }
    for (COptionMenu* subMenu : submenuEntry)
        if (COptionMenu* holder = subMenu->getItemMenu(id, index, offset); holder != nullptr)
            return holder;
    return nullptr;
}

void COptionMenu::takeFocus(CDrawContext* context)
{
    if (parentFrame == nullptr)
        return;
    lastResult = -1;
    lastMenu = nullptr;
    HWND window = parentFrame->getWindow();

    CPoint at;
    if (context != nullptr) {
        at = context->offsetScreen;
    } else {
        RECT onScreen{};
        GetWindowRect(window, &onScreen);
        at = {onScreen.left, onScreen.top};
    }
    for (CView* parent = parentView; parent != nullptr; parent = parent->getParentView()) {
        if (parent->notify(this, kMsgCheckIfViewContainer) == 1) {
            CRect place;
            parent->getViewSize(place);
            at.offset(place.left, place.top);
        }
    }
    at.offset(size.left, (style & kPopupStyle) != 0 ? size.top : size.bottom);

    std::int32_t runningId = 0;
    HMENU menu = appendItems(runningId);
    const UINT flags = (lastButton & kRightButton) != 0 ? TPM_RIGHTBUTTON : 0;
    if (TrackPopupMenu(menu, flags, at.h, at.v, window)) {
        MSG command{};
        if (PeekMessageA(&command, window, WM_COMMAND, WM_COMMAND, PM_REMOVE) && HIWORD(command.wParam) == 0)
            lastResult = LOWORD(command.wParam);
    }
    removeItems();

    const bool chosen = lastResult != -1;
    if (chosen || bgWhenClick != nullptr) {
        CDrawContext* own = context == nullptr && chosen ? new CDrawContext(parentFrame, nullptr, window) : nullptr;
        if (bgWhenClick != nullptr)
            setDirty(true);
        if (chosen) {
            std::int32_t index = 0;
            std::int32_t offset = 0;
            if (COptionMenu* holder = getItemMenu(lastResult, index, offset); holder != nullptr) {
                lastMenu = holder;
                holder->setValue(static_cast<float>(index));
                if (listener != nullptr)
                    listener->valueChanged(own != nullptr ? own : context, holder);
            }
        }
        if (own != nullptr)
            own->forget();
    }
    parentFrame->setFocusView(nullptr);
    endEdit();
}

} // namespace Toolkit
