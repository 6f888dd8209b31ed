#pragma once

// The top container of an editor. It owns a child window in the window the host gives the editor,
// paints it double-buffered through a back buffer of the frame's size, turns the window's messages into
// view calls, keeps the modal view and the focus view, routes keys, redraws dirty views on idle,
// resizes itself and the windows around it, and takes drops on its window.

#include "platform/window/window_types.h"
#include "toolkit/view_container.h"

#include <cstdint>

class PluginGUIEditor;

namespace Toolkit {

class CDropTarget;
class COffscreenContext;

class CFrame : public CViewContainer {
public:
    // Made open, with its window in the parent window when one is given.
    CFrame(const CRect& size, HWND parentWindow, PluginGUIEditor* editor);
    // Made closed and without a window; open and close then manage it.
    CFrame(const CRect& size, const char* title, PluginGUIEditor* editor);
    ~CFrame() override;

    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const CRect& updateRect) override;
    void mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons) override;
    // Offered to the focus view, then the modal view; Tab moves the focus.
    std::int32_t onKeyDown(PlugKeyCode& key) override;
    std::int32_t onKeyUp(PlugKeyCode& key) override;
    bool onWheel(CDrawContext* context, const CPoint& where, std::int32_t axis, float distance) override;
    bool onWheel(CDrawContext* context, const CPoint& where, float distance) override;
    void setViewSize(const CRect& rect) override;
    PluginGUIEditor* getEditor() override { return editor; }
    bool isTypeOf(const char* type) override;
    // Brings the back buffer up to date and copies it whole to the context.
    void update(CDrawContext* context) override;
    CView* getCurrentView() override;
    bool advanceNextFocusView(CView* oldFocus, bool reverse) override;

    virtual bool open();
    virtual bool close();
    virtual bool isOpen() { return openFlag; }
    // Redraws what became dirty, once the window has been painted.
    virtual void idle();
    // One modal idle pass of the editor, for controls' mouse loops.
    virtual void doIdleStuff();
    virtual DWORD getTicks();
    virtual std::int32_t getKnobMode();
    virtual bool setPosition(std::int32_t x, std::int32_t y);
    // Where the window around the editor is, in its parent's client coordinates.
    virtual bool getPosition(std::int32_t& x, std::int32_t& y);
    virtual bool setSize(std::int32_t width, std::int32_t height);
    virtual bool getSize(CRect* rect);
    virtual bool getSize(CRect& rect);
    // Refused while another modal view is set.
    virtual bool setModalView(CView* view);
    virtual CView* getModalView() { return modalView; }
    virtual void beginEdit(std::int32_t index);
    virtual void endEdit(std::int32_t index);
    // The pointer relative to the frame's window.
    virtual bool getCurrentLocation(CPoint& where);
    // kDefaultCursor and the other CursorType values.
    virtual void setCursor(std::int32_t type);
    virtual void setFocusView(CView* view);
    virtual CView* getFocusView() { return focusView; }
    virtual bool setDropActive(bool active);
    virtual bool isDropActive() { return dropActive; }
    virtual void setOpenFlag(bool state) { openFlag = state; }
    virtual bool getOpenFlag() { return openFlag; }
    // Marks dirty every child whose rectangle touches the one given.
    virtual void invalidate(const CRect& rect);
    // Answers the previous setting.
    virtual bool updatesDisabled(bool state);
    virtual bool updatesDisabled() { return updatesAreDisabled; }
    // Draws a child at once into the window; anything else redraws the whole frame.
    virtual void draw(CView* view);

    HWND getWindow() const { return hwnd; }
    // The context frame operations draw with: the one in use while the frame paints, else a new one on
    // the window. The caller forgets it.
    CDrawContext* createDrawContext();
    // Made on first need; null when it cannot be made.
    COffscreenContext* getBackBuffer();
    // Whether the focus view is the view or lies inside it.
    bool focusLiesIn(const CView* view) const;
    // Clears the focus without telling the view, for views on their way out.
    void dropFocusView() { focusView = nullptr; }

    enum CursorType : std::int32_t {
        kDefaultCursor = 0,
        kWaitCursor = 1,
        kHorizontalSizeCursor = 2,
        kVerticalSizeCursor = 3,
        kSizeAllCursor = 4,
        kNortheastSouthwestSizeCursor = 5,
        kNorthwestSoutheastSizeCursor = 6,
        kNotAllowedCursor = 8,
        kHandCursor = 9,
    };

private:
    friend LRESULT frameWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    bool createWindow(HWND parent);
    bool hostResizes(std::int32_t width, std::int32_t height);
    void growWindowsAround(std::int32_t width, std::int32_t height);

    PluginGUIEditor* editor;
    HWND systemWindow;
    CView* modalView = nullptr;
    CView* focusView = nullptr;
    bool firstDraw = true;
    bool openFlag = true;
    bool dropActive = false;
    bool updatesAreDisabled = false;
    HWND hwnd = nullptr;
    HMODULE imageLibrary = nullptr;
    // Held by the frame while registered with the window.
    CDropTarget* dropTarget = nullptr;
    COffscreenContext* backBuffer = nullptr;
    CDrawContext* frameContext = nullptr;
    bool addedWindow = false;
    HCURSOR defaultCursor = nullptr;
};

} // namespace Toolkit
