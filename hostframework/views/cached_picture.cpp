#include "hostframework/views/cached_picture.h"

#include "hostframework/host_error.h"
#include "hostframework/views/plugin_view.h"

#include <algorithm>
#include <new>

namespace {

std::unique_ptr<CCachedPictureManager>& sharedManager()
{
    static std::unique_ptr<CCachedPictureManager> manager;
    return manager;
}

} // namespace

CCachedPicture::~CCachedPicture()
{
    if (picture != nullptr)
        HostExtReleasePicture(picture);
}

void CCachedPicture::Draw(const HostRect& frame)
{
    if (picture != nullptr)
        HostExtDrawPicture(picture, &frame);
}

void CCachedPicture::Load(std::int16_t newID)
{
    if (picture != nullptr)
        HostExtReleasePicture(picture);
    const std::int16_t previous = CPlugInView::UsePlugInResFile();
    picture = HostExtGetPicture(newID);
    CPlugInView::RestoreResFile(previous);
    id = picture != nullptr ? newID : -1;
}

CCachedPicture* CCachedPictureManager::Acquire(std::int16_t id)
{
    if (entries == nullptr) {
        entries.reset(new (std::nothrow) std::vector<std::unique_ptr<CCachedPicture>>);
        if (entries == nullptr)
            return nullptr;
    }
    auto found = std::find_if(entries->begin(), entries->end(), [id](const auto& entry) { return entry->id == id; });
    CCachedPicture* entry = nullptr;
    if (found != entries->end()) {
        entry = found->get();
    } else {
        std::unique_ptr<CCachedPicture> made(new (std::nothrow) CCachedPicture);
        ThrowIfNull(made.get());
        entry = made.get();
        entries->push_back(std::move(made));
    }
    ++entry->useCount;
    return entry;
}

void CCachedPictureManager::Release(CCachedPicture* entry)
{
    if (entries == nullptr)
        return;
    auto found = std::find_if(entries->begin(), entries->end(), [entry](const auto& held) { return held.get() == entry; });
    if (found == entries->end())
        return;
    if (entry->useCount > 0)
        --entry->useCount;
    if (entry->useCount == 0)
        entries->erase(found);
}

std::int32_t CCachedPictureManager::Count()
{
    return entries != nullptr ? static_cast<std::int32_t>(entries->size()) : 0;
}

CCachedPictureManager* CCachedPictureManager::Shared()
{
    return sharedManager().get();
}

CCachedPictureManager* CCachedPictureManager::MakeShared()
{
    if (sharedManager() == nullptr)
        sharedManager().reset(new (std::nothrow) CCachedPictureManager);
    return sharedManager().get();
}

void CCachedPictureManager::DeleteSharedWhenEmpty()
{
    if (sharedManager() != nullptr && sharedManager()->Count() == 0)
        sharedManager().reset();
}
