#include "hostframework/views/item_list_view.h"

#include "hostframework/host_error.h"
#include "hostframework/views/icon_view.h"
#include "hostframework/views/mac_control_view.h"
#include "hostframework/views/picture_view.h"
#include "hostframework/views/static_text_view.h"
#include "hostframework/views/view_builder.h"
#include "hostframework/views/view_description.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics.h"
#include "platform/four_char_code.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace {

constexpr std::uint32_t kItemListType = FourCharCode("DITL");

// The scroll control's orientation for the list's first or second scroll control id.
std::int16_t scrollOrientation(int which)
{
    return which == CItemListView::kHorizontal ? CScrollControlView::kHorizontal : CScrollControlView::kVertical;
}
constexpr std::int32_t kCountSize = 2;
constexpr std::int32_t kItemHeaderSize = 14;
constexpr std::int32_t kFrameAt = 4;
constexpr std::int32_t kTypeAt = 12;
constexpr std::int32_t kLengthAt = 13;

// The lists being built, outermost first: a list whose items describe a list being built would build
// itself without end.
std::vector<std::int16_t>& listsInProgress()
{
    static std::vector<std::int16_t> lists;
    return lists;
}

struct SListInProgress {
    explicit SListInProgress(std::int16_t id)
    {
        ThrowIfFalse(std::find(listsInProgress().begin(), listsInProgress().end(), id) == listsInProgress().end());
        listsInProgress().push_back(id);
    }
    ~SListInProgress() { listsInProgress().pop_back(); }
    SListInProgress(const SListInProgress&) = delete;
    SListInProgress& operator=(const SListInProgress&) = delete;
};

// The resource's handle, given back however the building ends.
struct SDetachedHandle {
    HostHandle handle;
    ~SDetachedHandle() { HostExtDisposeHandle(handle); }
};

// An item's data read as a resource id; an item with less than a word of data names none.
std::int16_t firstDataWord(const std::uint8_t* item)
{
    if (item[kLengthAt] < 2)
        return -1;
    std::int16_t word = 0;
    std::memcpy(&word, item + kItemHeaderSize, sizeof word);
    return word;
}

template <typename View>
std::unique_ptr<View> allocated()
{
    std::unique_ptr<View> view(new (std::nothrow) View);
    ThrowIfNull(view.get());
    return view;
}

} // namespace

CCustomView* NewItemListView()
{
    return new (std::nothrow) CItemListView;
}

void CItemListView::ReadDescription(SParseState& state)
{
    CCustomView::ReadDescription(state);
    const SValueCell* group = state.TakeGroup();
    const SValueCell* element = group->List();
    ThrowIfFalse(element != nullptr && element->kind == kIntegerKind);
    itemListID = static_cast<std::int16_t>(element->Integer());
    element = element->next;
    if (element == nullptr)
        return;
    ThrowIfFalse(element->kind == kCodeKind);
    const SValueCell* second = element->next;
    ThrowIfNull(second);
    ThrowIfFalse(second->kind == kCodeKind && second->next == nullptr);
    scrollIDs[kHorizontal] = element->Code();
    scrollIDs[kVertical] = second->Code();
}

void CItemListView::FinishInitialize()
{
    if (itemListID == -1)
        throw CHostError(kHostErrNullValue);
    const std::int16_t previous = UsePlugInResFile();
    HostHandle resource = HostExtGetResource(kItemListType, itemListID);
    if (resource != nullptr)
        HostExtDetachResource(resource);
    RestoreResFile(previous);
    ThrowIfNull(resource);
    const SDetachedHandle held{resource};
    const SListInProgress building(itemListID);
    HostExtLockHandle(resource);
    BuildItems(reinterpret_cast<const std::uint8_t*>(*resource), HostExtGetHandleSize(resource));
    HostExtUnlockHandle(resource);
    // Item frames are relative to the list view.
    HostRect frame{};
    GetFrame(&frame);
    for (CPlugInView* child = GetFirstSubView(); child != nullptr; child = child->GetNextSibling())
        child->MoveBy(frame.left, frame.top);
    CCustomView::FinishInitialize();
}

// The walk ends at an item whose header or data would pass the end of the list: the count and the
// lengths are the resource's word, not a promise.
void CItemListView::BuildItems(const std::uint8_t* data, std::int32_t size)
{
    if (size < kCountSize)
        return;
    std::uint16_t countLess1 = 0;
    std::memcpy(&countLess1, data, sizeof countLess1);
    const std::int32_t count = countLess1 + 1;
    std::int32_t at = kCountSize;
    for (std::int32_t n = 0; n < count && size - at >= kItemHeaderSize; ++n) {
        const std::uint8_t* item = data + at;
        const std::int32_t length = item[kLengthAt];
        if (size - at - kItemHeaderSize < length)
            return;
        std::unique_ptr<CPlugInView> view(BuildItem(item));
        view->SetEnabled((item[kTypeAt] & kDisabledItem) == 0);
        HostRect frame{};
        std::memcpy(&frame, item + kFrameAt, sizeof frame);
        view->SetFrame(frame);
        AddSubView(view.get(), true);
        view.release()->Initialize();
        at += kItemHeaderSize + length + (length & 1);
    }
}

CPlugInView* CItemListView::BuildItem(const std::uint8_t* item)
{
    const std::uint8_t type = item[kTypeAt];
    const std::uint8_t kind = type & kKindBits;
    const std::uint8_t length = item[kLengthAt];
    const char* text = reinterpret_cast<const char*>(item + kItemHeaderSize);
    if (kind == kControlItem || kind == kStaticTextItem || kind == kEditableTextItem) {
        std::unique_ptr<SViewRecord> record(new SViewRecord{});
        std::memcpy(record.get(), item, kItemHeaderSize);
        std::memcpy(record->text, text, length);
        bool isDescription = false;
        if (CCustomView* described = BuildViewFromRecord(record.get(), &isDescription))
            return described;
    }
    switch (kind) {
    case kPlainItem:
        return allocated<CPlugInView>().release();
    case kControlItem: {
        const std::uint8_t variant = type & kVariantBits;
        if (variant == kResourceControlVariant) {
            auto control = allocated<CResControlView>();
            control->SetResourceID(firstDataWord(item));
            return control.release();
        }
        std::unique_ptr<CMacControlView> control;
        if (variant == 0)
            control = allocated<CButtonView>();
        else if (variant == 1)
            control = allocated<CCheckBoxView>();
        else
            control = allocated<CRadioButtonView>();
        control->SetTitle(std::string_view(text, length));
        return control.release();
    }
    case kStaticTextItem:
    case kEditableTextItem: {
        auto staticText = allocated<CStaticTextView>();
        staticText->SetText(std::string_view(text, length));
        return staticText.release();
    }
    case kIconItem: {
        auto icon = allocated<CIconView>();
        icon->SetIconID(firstDataWord(item));
        return icon.release();
    }
    case kPictureItem: {
        auto picture = allocated<CPictureView>();
        picture->SetPicture(CPictureView::kNormal, firstDataWord(item));
        return picture.release();
    }
    default:
        throw CHostError(kHostErrCheckFailed);
    }
}

CPlugInView* CItemListView::FindOutwards(std::uint32_t wanted)
{
    for (CPlugInView* scope = GetParent() != nullptr ? GetParent() : this; scope != nullptr;
         scope = scope->GetParent()) {
        if (CPlugInView* found = scope->FindSubViewByID(wanted))
            return found;
    }
    return nullptr;
}

CItemListView::~CItemListView()
{
    for (CScrollControlView* control : scrollControls) {
        if (control != nullptr)
            control->AttachToScrolledView(nullptr, control->GetOrientation());
    }
}

void CItemListView::RememberScrollControl(CScrollControlView* control, std::int16_t orientation)
{
    scrollControls[orientation == CScrollControlView::kHorizontal ? kHorizontal : kVertical] = control;
}

void CItemListView::ForgetScrollControl(const CScrollControlView* control)
{
    for (CScrollControlView*& bound : scrollControls) {
        if (bound == control)
            bound = nullptr;
    }
}

void CItemListView::Connect()
{
    for (int orientation : {kHorizontal, kVertical}) {
        if (auto* control = dynamic_cast<CScrollControlView*>(FindOutwards(scrollIDs[orientation])))
            control->AttachToScrolledView(this, scrollOrientation(orientation));
    }
    CCustomView::Connect();
}

void CItemListView::Disconnect()
{
    for (CScrollControlView* control : scrollControls) {
        if (control != nullptr)
            control->AttachToScrolledView(nullptr, control->GetOrientation());
    }
    CCustomView::Disconnect();
}

void CItemListView::DrawContents(const HostRect& area)
{
    FocusView(&area);
    CCustomView::DrawContents(area);
    UnfocusView();
}

void CItemListView::ScrollContents(std::int16_t dh, std::int16_t dv)
{
    if (GetPort() == nullptr) {
        for (CPlugInView* child = GetFirstSubView(); child != nullptr; child = child->GetNextSibling())
            child->OffsetBy(dh, dv);
        return;
    }
    FocusView(nullptr);
    HostRegion uncovered = HostExtNewRegion();
    if (uncovered == nullptr) {
        UnfocusView();
        throw CHostError(kHostErrNullValue);
    }
    const HostRect visible = GetVisibleRect();
    HostColor before{};
    HostExtGetBackColor(&before);
    HostColor colour{};
    GetBackColor(&colour);
    HostExtRGBBackColor(&colour);
    BeginBackPattern();
    HostExtScrollRect(&visible, dh, dv, uncovered);
    for (CPlugInView* child = GetFirstSubView(); child != nullptr; child = child->GetNextSibling())
        child->OffsetBy(dh, dv);
    HostRect redrawn{};
    HostExtGetRegionBounds(uncovered, &redrawn);
    HostExtDisposeRegion(uncovered);
    try {
        // An empty region's bounds are all zeros.
        if (redrawn.bottom > redrawn.top && redrawn.right > redrawn.left)
            DrawContents(redrawn);
    } catch (...) {
        EndBackPattern();
        HostExtRGBBackColor(&before);
        UnfocusView();
        throw;
    }
    EndBackPattern();
    HostExtRGBBackColor(&before);
    UnfocusView();
}

void CItemListView::GetContentBounds(HostRect* out)
{
    *out = {0, 0, 0, 0};
    bool first = true;
    for (CPlugInView* child = GetFirstSubView(); child != nullptr; child = child->GetNextSibling()) {
        HostRect frame{};
        child->GetFrame(&frame);
        if (first)
            *out = frame;
        else
            HostExtUnionRect(out, &frame, out);
        first = false;
    }
}
