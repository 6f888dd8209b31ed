#pragma once

// Pictures of the plug-in's resource file, shared by every view that shows the same one: an entry
// lives while some view holds it, and the one manager of the library lives while it has entries.

#include "hostlibs/extension/host_pictures.h"

#include <cstdint>
#include <memory>
#include <vector>

class CCachedPicture {
public:
    CCachedPicture() = default;
    CCachedPicture(const CCachedPicture&) = delete;
    CCachedPicture& operator=(const CCachedPicture&) = delete;
    virtual ~CCachedPicture();

    // Scaled into the frame; nothing without a picture.
    virtual void Draw(const HostRect& frame);

    // Reads the 'PICT' resource of that id; a missing one leaves no picture and the id -1.
    void Load(std::int16_t newID);
    std::int16_t GetID() const { return id; }
    bool HasPicture() const { return picture != nullptr; }

private:
    friend class CCachedPictureManager;

    HostPicture picture = nullptr;
    std::int16_t id = -1;
    std::int16_t useCount = 0;
};

class CCachedPictureManager {
public:
    CCachedPictureManager() = default;
    CCachedPictureManager(const CCachedPictureManager&) = delete;
    CCachedPictureManager& operator=(const CCachedPictureManager&) = delete;
    virtual ~CCachedPictureManager() = default;

    // The entry of that id, or a new empty one; its use count goes up. Null when the list cannot be
    // made; -7053 when the entry cannot.
    virtual CCachedPicture* Acquire(std::int16_t id);
    // An entry whose count reaches 0 is deleted; one not in the list is left alone.
    virtual void Release(CCachedPicture* entry);
    virtual std::int32_t Count();

    // The library's manager: made by the first picture view, deleted when the last one leaves it empty.
    static CCachedPictureManager* Shared();
    static CCachedPictureManager* MakeShared();
    static void DeleteSharedWhenEmpty();

private:
    std::unique_ptr<std::vector<std::unique_ptr<CCachedPicture>>> entries;
};
