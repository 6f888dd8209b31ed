#include "hostframework/views/picture_view.h"

#include "hostframework/host_error.h"
#include "hostframework/views/keyword_map.h"
#include "hostframework/views/view_description.h"

#include <new>

namespace {

void checkState(std::int16_t state)
{
    ThrowIfFalse(state >= CPictureView::kNormal && state <= CPictureView::kDisabled);
}

// Made again when missing: a view whose slots were all empty may outlive the manager, deleted when
// another view left it without entries.
CCachedPictureManager& manager()
{
    CCachedPictureManager* shared = CCachedPictureManager::MakeShared();
    ThrowIfNull(shared);
    return *shared;
}

} // namespace

CCustomView* NewPictureView()
{
    return new (std::nothrow) CPictureView;
}

CPictureView::CPictureView()
{
    CCachedPictureManager::MakeShared();
}

CPictureView::~CPictureView()
{
    if (CCachedPictureManager* shared = CCachedPictureManager::Shared()) {
        for (int state = kNormal; state <= kDisabled; ++state) {
            shared->Release(pictures[state]);
            shared->Release(companions[state]);
        }
    }
    CCachedPictureManager::DeleteSharedWhenEmpty();
}

// A slot given another id gives its entry back and takes the one of the new id, so that the views
// sharing the old entry keep their picture.
void CPictureView::Hold(CCachedPicture*& slot, std::int16_t id)
{
    if (slot != nullptr && id != -1 && slot->GetID() == id)
        return;
    if (slot != nullptr) {
        manager().Release(slot);
        slot = nullptr;
    }
    if (id == -1)
        return;
    CCachedPicture* entry = manager().Acquire(id);
    ThrowIfNull(entry);
    slot = entry;
    if (entry->GetID() != id)
        entry->Load(id);
}

void CPictureView::SetPicture(std::int16_t state, std::int16_t id)
{
    checkState(state);
    Hold(pictures[state], id);
    // An id whose companion would pass the largest id has none.
    const bool companionFits = id != -1 && id <= INT16_MAX - kCompanionOffset;
    Hold(companions[state], companionFits ? static_cast<std::int16_t>(id + kCompanionOffset) : -1);
    InvalidateFrame();
}

std::int16_t CPictureView::GetPictureID(std::int16_t state)
{
    checkState(state);
    return pictures[state] != nullptr ? pictures[state]->GetID() : -1;
}

CCachedPicture* CPictureView::GetCurrentPicture()
{
    if (!IsEnabled() && pictures[kDisabled] != nullptr)
        return pictures[kDisabled];
    if (IsHighlighted() && pictures[kClicked] != nullptr)
        return pictures[kClicked];
    return pictures[kNormal];
}

void CPictureView::DrawSelf(const HostRect& /*area*/)
{
    if (CCachedPicture* picture = GetCurrentPicture()) {
        HostRect frame{};
        picture->Draw(*GetFrame(&frame));
    }
}

void CPictureView::SetEnabled(bool flag)
{
    if (flag == IsEnabled())
        return;
    CCustomView::SetEnabled(flag);
    Draw(nullptr);
}

void CPictureView::ReadDescription(SParseState& state)
{
    CCustomView::ReadDescription(state);
    ThrowIfNull(CCachedPictureManager::MakeShared());
    const SValueCell* group = state.groups;
    ThrowIfNull(group);
    ThrowIfNull(group->List());
    state.groups = group->next;
    for (const SValueCell* element = group->List(); element != nullptr; element = element->next) {
        ThrowIfFalse(element->kind == kConstantKind);
        std::int16_t pictureState = kNormal;
        switch (element->value) {
        case kNormalConstant:
            pictureState = kNormal;
            break;
        case kClickedConstant:
            pictureState = kClicked;
            break;
        case kDisabledConstant:
            pictureState = kDisabled;
            break;
        default:
            throw CHostError(kHostErrCheckFailed);
        }
        element = element->next;
        ThrowIfFalse(element != nullptr && (element->kind == kIntegerKind || element->kind == kStringKind));
        if (element->kind == kIntegerKind)
            SetPicture(pictureState, static_cast<std::int16_t>(element->Integer()));
    }
}
