#pragma once

// What the pop-up control editors share: their custom menu, which the host pops up and which draws and
// hit-tests through its editor; the menu's rectangles on the screen, with arrow strips along the edges
// the screen cuts off and scrolling under the mouse; and the keeping of an error of the menu-definition
// procedure, which the host's pop-up loop calls and must not see.

#include "hostlibs/extension/host_graphics_types.h"
#include "hostlibs/extension/host_menus.h"

#include <cstdint>
#include <exception>

inline constexpr std::int16_t kPopUpMenuID = 1000;
// Beside the toolbox's own messages, the pop-up editors' menu-definition procedures take this one as a
// choice at the mouse.
inline constexpr std::int16_t kMenuFindItemMessage = 10;

// Screen arithmetic in int, held to the coordinates' 16 bits.
std::int16_t ScreenCoordinate(int value);
HostRect ScreenRect(int top, int left, int bottom, int right);
// Where a pop-up menu may show on the screen: 5 pixels inside its edges.
HostRect MenuLimit(const HostRect& screen);

// A custom menu of id 1000 drawn by the procedure, which finds the owner through the menu's reference
// value; -7053 when the host makes none.
HostMenu NewPopUpMenu(HostMenuProc proc, const void* owner);

// The pop-up's menu among the host's menus while it is up, so that the host knows it by its id; every
// way out takes it away again.
class CInsertedPopUpMenu {
public:
    explicit CInsertedPopUpMenu(HostMenu menu) { HostExtInsertPopUpMenu(menu); }
    ~CInsertedPopUpMenu() { HostExtRemoveMenu(kPopUpMenuID); }
    CInsertedPopUpMenu(const CInsertedPopUpMenu&) = delete;
    CInsertedPopUpMenu& operator=(const CInsertedPopUpMenu&) = delete;
};

// Where an open pop-up menu lies, in screen coordinates (the pop-up's port is in them too).
struct SPopUpMenuLayout {
    // The edges at which the menu reaches beyond what shows of it.
    static constexpr std::int16_t kBottomCut = 1;
    static constexpr std::int16_t kTopCut = 2;
    static constexpr std::int16_t kRightCut = 4;
    static constexpr std::int16_t kLeftCut = 8;
    // How deep an arrow strip is, and how far the menu moves at most in one scroll.
    static constexpr std::int16_t kStripDepth = 12;
    static constexpr std::int16_t kScrollStep = 16;

    // The whole menu.
    HostRect menu{0, 0, 0, 0};
    // What shows of it less the arrow strips: the items are drawn there.
    HostRect inner{0, 0, 0, 0};
    // What shows of it: the pop-up's window.
    HostRect visible{0, 0, 0, 0};
    std::int16_t flags = 0;

    // The flags and the inner rectangle from the menu and the visible rectangle.
    void FindInner();
    // What the pop-up's window covers of the screen: the visible rectangle and the host's frame around it.
    HostRect Covered() const
    {
        return ScreenRect(visible.top - 1, visible.left - 1, visible.bottom + 2, visible.right + 2);
    }
    // How far the menu moves for the mouse outside the inner rectangle: towards the mouse's side, by the
    // part hidden there and 16 at most. Zero inside it.
    void GetScrollStep(HostPoint mouse, std::int16_t* dh, std::int16_t* dv) const;
    // Moves the pixels of the inner rectangle and the menu by (dh, dv); the uncovered part goes into the
    // region. True when the cut edges changed, and with them the strips and the inner rectangle.
    bool Scroll(std::int16_t dh, std::int16_t dv, HostRegion uncovered);
    // An arrow pointing outwards on the strip of each cut edge, in the fore colour on the strip erased,
    // within the current port's clip.
    void DrawArrowStrips() const;
};

// An error inside the menu-definition procedure is kept instead of reaching the host's pop-up loop;
// after it the procedure does nothing until the pop-up is over and the editor throws it.
class CMenuProcedureFailure {
public:
    template <typename Handle>
    std::int32_t Run(Handle&& handle) noexcept
    {
        if (error)
            return 0;
        try {
            return handle();
        } catch (...) {
            error = std::current_exception();
            return 0;
        }
    }

    void Forget() { error = nullptr; }
    // Throws the kept error, forgetting it; nothing when none is kept.
    void ThrowKept();

private:
    std::exception_ptr error;
};
