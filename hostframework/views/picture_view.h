#pragma once

// A picture of the plug-in's resource file drawn scaled into the view's frame, one for each state:
// normal, clicked (while highlighted) and disabled. Beside each the view holds the picture 10000 ids
// further on. Described as "!Picture[(id …)(normal 130 clicked 131 …)]".

#include "hostframework/views/cached_picture.h"
#include "hostframework/views/custom_view.h"

#include <cstdint>

class CPictureView : public CCustomView {
public:
    enum State : std::int16_t { kNormal = 0, kClicked = 1, kDisabled = 2 };
    static constexpr std::int16_t kCompanionOffset = 10000;

    CPictureView();
    ~CPictureView() override;

    void SetHighlighted(bool flag) override { CCustomView::SetHighlighted(flag); }
    void SetEnabled(bool flag) override;
    void DrawSelf(const HostRect& area) override;
    // The second group holds pairs of a state and a picture id (or a string, which is passed over).
    void ReadDescription(SParseState& state) override;

    // An id of -1 empties the state. -7400 for a state outside 0..2; -7053 when the cache fails.
    virtual void SetPicture(std::int16_t state, std::int16_t id);
    // -1 when the state has no picture.
    virtual std::int16_t GetPictureID(std::int16_t state);
    virtual CCachedPicture* GetCurrentPicture();

    CCachedPicture* GetCompanion(std::int16_t state) const { return companions[state]; }

private:
    static void Hold(CCachedPicture*& slot, std::int16_t id);

    CCachedPicture* pictures[3]{};
    CCachedPicture* companions[3]{};
};

// The creator of "Picture" views; null when there is no memory for one.
CCustomView* NewPictureView();
