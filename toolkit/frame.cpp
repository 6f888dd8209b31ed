#include "toolkit/frame.h"

#include "platform/clock.h"
#include "platform/module_loading.h"
#include "platform/module_resources.h"
#include "platform/ole/drag_drop_registry.h"
#include "platform/ole/ole_initialize.h"
#include "platform/window/cursors.h"
#include "platform/window/input_state.h"
#include "platform/window/system_metrics.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_data.h"
#include "platform/window/window_layout.h"
#include "platform/window/window_lifetime.h"
#include "platform/window/window_styles.h"
#include "toolkit/drop_target.h"
#include "toolkit/frame_window.h"
#include "toolkit/image_library.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/offscreen_context.h"
#include "toolkit/plugin_gui_editor.h"
#include "toolkit/process_state.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace Toolkit {

namespace {

// The key codes of the plug-in interface that the frame reads itself.
constexpr unsigned char kTabKey = 2;
constexpr unsigned char kShiftModifier = 1;

LONG widthOf(const RECT& rect)
{
    return rect.right - rect.left;
}

LONG heightOf(const RECT& rect)
{
    return rect.bottom - rect.top;
}

RECT windowRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

void resizeWithoutMoving(HWND window, std::int32_t width, std::int32_t height)
{
    SetWindowPos(window, HWND_TOP, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

bool isMdiClient(HWND window)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, "MDIClient") == 0;
}

LPCSTR systemCursorOf(std::int32_t type)
{
    switch (type) {
    case CFrame::kWaitCursor: return IDC_WAIT;
    case CFrame::kHorizontalSizeCursor: return IDC_SIZEWE;
    case CFrame::kVerticalSizeCursor: return IDC_SIZENS;
    case CFrame::kSizeAllCursor: return IDC_SIZEALL;
    case CFrame::kNortheastSouthwestSizeCursor: return IDC_SIZENESW;
    case CFrame::kNorthwestSoutheastSizeCursor: return IDC_SIZENWSE;
    case CFrame::kNotAllowedCursor: return IDC_NO;
    case CFrame::kHandCursor: return IDC_HAND;
    default: return nullptr;
    }
}

} // namespace

CFrame::CFrame(const CRect& size, HWND parentWindow, PluginGUIEditor* editor)
    : CViewContainer(size, nullptr, nullptr), editor(editor), systemWindow(parentWindow)
{
    parentFrame = this;
    OleInitialize(nullptr);
    imageLibrary = loadImageLibrary();
    createWindow(systemWindow);
}

// The title names the window that open would show; no window exists until then.
CFrame::CFrame(const CRect& size, const char* /*title*/, PluginGUIEditor* editor)
    : CViewContainer(size, nullptr, nullptr), editor(editor), systemWindow(nullptr), openFlag(false),
      addedWindow(true)
{
    parentFrame = this;
    OleInitialize(nullptr);
    imageLibrary = loadImageLibrary();
}

CFrame::~CFrame()
{
    // The focus view ends what it is doing while the frame is whole: a text edit's window would
    // otherwise lose the keyboard focus as the frame's window goes.
    if (focusView != nullptr)
        setFocusView(nullptr);
    if (modalView != nullptr)
        removeView(modalView, false);
    modalView = nullptr;
    setCursor(kDefaultCursor);
    setDropActive(false);
    if (frameContext != nullptr)
        frameContext->forget();
    frameContext = nullptr;
    OleUninitialize();
    if (backBuffer != nullptr)
        backBuffer->forget();
    backBuffer = nullptr;
    if (imageLibrary != nullptr)
        FreeLibrary(imageLibrary);
    if (hwnd != nullptr) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        DestroyWindow(hwnd);
        releaseFrameWindowClass();
    }
    if (addedWindow)
        close();
    // The children go while the frame is still whole: containers among them ask it about the focus.
    removeAll(true);
}

bool CFrame::createWindow(HWND parent)
{
    if (parent == nullptr)
        return false;
    const char* className = useFrameWindowClass();
    hwnd = CreateWindowExA(0, className, "Window", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0,
        size.width(), size.height(), parent, nullptr, platform::pluginModule(), nullptr);
    if (hwnd == nullptr) {
        releaseFrameWindowClass();
        return false;
    }
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    setDropActive(true);
    return true;
}

bool CFrame::open()
{
    if (!addedWindow)
        return false;
    if (!getOpenFlag()) {
        if (systemWindow != nullptr && createWindow(systemWindow))
            setOpenFlag(true);
        return getOpenFlag();
    }
    BringWindowToTop(GetParent(GetParent(hwnd)));
    return false;
}

bool CFrame::close()
{
    if (!addedWindow || !getOpenFlag() || systemWindow == nullptr)
        return false;
    systemWindow = nullptr;
    return true;
}

bool CFrame::isTypeOf(const char* type)
{
    return std::strcmp(type, "CFrame") == 0 || CViewContainer::isTypeOf(type);
}

CDrawContext* CFrame::createDrawContext()
{
    if (frameContext != nullptr) {
        frameContext->remember();
        return frameContext;
    }
    return new CDrawContext(this, nullptr, hwnd);
}

COffscreenContext* CFrame::getBackBuffer()
{
    if (backBuffer == nullptr) {
        backBuffer = new COffscreenContext(this, size.width(), size.height(), kBlackColor);
        if (backBuffer->getSystemContext() == nullptr) {
            backBuffer->forget();
            backBuffer = nullptr;
        }
    }
    return backBuffer;
}

void CFrame::draw(CDrawContext* context)
{
    firstDraw = false;
    if (context == nullptr)
        context = frameContext;
    if (context != nullptr)
        CViewContainer::draw(context);
}

void CFrame::drawRect(CDrawContext* context, const CRect& updateRect)
{
    firstDraw = false;
    CDrawContext* own = context == nullptr ? createDrawContext() : nullptr;
    if (own != nullptr)
        context = own;
    CRect oldClip;
    context->getClipRect(oldClip);
    CRect clip = updateRect;
    context->setClipRect(clip.bound(oldClip));
    if (updateRect.width() > 0 && updateRect.height() > 0)
        CViewContainer::drawRect(context, updateRect);
    context->setClipRect(oldClip);
    if (own != nullptr)
        own->forget();
}

void CFrame::draw(CView* view)
{
    CDrawContext* context = createDrawContext();
    if (view != nullptr && isChild(view))
        view->draw(context);
    else
        draw(context);
    context->forget();
}

void CFrame::update(CDrawContext* context)
{
    if (!getOpenFlag() || updatesAreDisabled)
        return;
    COffscreenContext* buffer = getBackBuffer();
    if (buffer == nullptr)
        return;
    CDrawContext* const outer = frameContext;
    frameContext = buffer;
    if (dirty) {
        draw(buffer);
        setDirty(false);
    } else {
        CRect kept;
        buffer->getClipRect(kept);
        if (modalView != nullptr && modalView->isDirty())
            modalView->update(buffer);
        for (CView* child : children) {
            CRect clip = child->size;
            buffer->setClipRect(clip.bound(kept));
            child->update(buffer);
        }
        buffer->setClipRect(kept);
    }
    if (context != nullptr)
        buffer->copyFrom(context, size, {0, 0});
    frameContext = outer;
}

void CFrame::idle()
{
    if (!getOpenFlag() || firstDraw || !isDirty())
        return;
    CDrawContext* context = createDrawContext();
    update(context);
    context->forget();
}

void CFrame::doIdleStuff()
{
    if (editor != nullptr)
        editor->doIdleStuff();
}

DWORD CFrame::getTicks()
{
    return editor != nullptr ? GetTickCount() : 0;
}

std::int32_t CFrame::getKnobMode()
{
    return knobMode;
}

bool CFrame::setPosition(std::int32_t, std::int32_t)
{
    return false;
}

void CFrame::mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons)
{
    if (context == nullptr)
        context = frameContext;
    if (focusView != nullptr)
        setFocusView(nullptr);
    if (buttons == kButtonsUnread && context != nullptr)
        buttons = context->getMouseButtons();
    if (modalView == nullptr)
        CViewContainer::mouse(context, where, buttons);
    else if (modalView->hitTest(where, buttons))
        modalView->mouse(context, where, buttons);
}

std::int32_t CFrame::onKeyDown(PlugKeyCode& key)
{
    std::int32_t answer = -1;
    if (focusView != nullptr && (answer = focusView->onKeyDown(key)) != -1)
        return answer;
    if (modalView != nullptr && (answer = modalView->onKeyDown(key)) != -1)
        return answer;
    if (key.virt == kTabKey)
        return advanceNextFocusView(focusView, (key.modifier & kShiftModifier) != 0) ? 1 : -1;
    return answer;
}

std::int32_t CFrame::onKeyUp(PlugKeyCode& key)
{
    std::int32_t answer = -1;
    if (focusView != nullptr)
        answer = focusView->onKeyUp(key);
    if (answer == -1 && modalView != nullptr)
        answer = modalView->onKeyUp(key);
    return answer;
}

bool CFrame::onWheel(CDrawContext* context, const CPoint& where, std::int32_t axis, float distance)
{
    CView* view = modalView != nullptr ? modalView : getViewAt(where, false);
    if (view == nullptr)
        return false;
    CDrawContext* own = context == nullptr ? createDrawContext() : nullptr;
    const bool answer = view->onWheel(own != nullptr ? own : context, where, axis, distance);
    if (own != nullptr)
        own->forget();
    return answer;
}

bool CFrame::onWheel(CDrawContext* context, const CPoint& where, float distance)
{
    return onWheel(context, where, kVerticalWheelAxis, distance);
}

CView* CFrame::getCurrentView()
{
    return modalView != nullptr ? modalView : CViewContainer::getCurrentView();
}

// A focus inside nested containers is walked on level by level outwards; when no container on the way
// has a next view, the frame carries on from the child of its own that holds the old focus.
bool CFrame::advanceNextFocusView(CView* oldFocus, bool reverse)
{
    if (modalView != nullptr)
        return false;
    CView* old = oldFocus != nullptr ? oldFocus : focusView;
    if (old == nullptr)
        return CViewContainer::advanceNextFocusView(nullptr, reverse);
    CView* level = old;
    while (level->getParentView() != nullptr && level->getParentView() != this) {
        auto* container = static_cast<CViewContainer*>(level->getParentView());
        if (container->advanceNextFocusView(level, reverse))
            return true;
        level = container;
    }
    if (CViewContainer::advanceNextFocusView(level, reverse))
        return true;
    setFocusView(nullptr);
    return false;
}

bool CFrame::hostResizes(std::int32_t width, std::int32_t height)
{
    AudioPluginX* effect = editor != nullptr ? editor->getEffect() : nullptr;
    if (effect == nullptr)
        return false;
    char capability[] = "sizeWindow";
    if (effect->canHostDo(capability) == 0 || !effect->sizeWindow(width, height))
        return false;
    size.right = size.left + width;
    size.bottom = size.top + height;
    resizeWithoutMoving(hwnd, width, height);
    return true;
}

// Each window from the frame's outwards is sized to the frame plus what the windows passed so far add
// around it, until that is a fixed window's frame.
void CFrame::growWindowsAround(std::int32_t width, std::int32_t height)
{
    // More than this around a window means the window beyond belongs to the host.
    constexpr LONG kHostMargin = 80;
    const LONG allowance = 2 * GetSystemMetrics(SM_CYFIXEDFRAME);
    LONG extraWidth = 0;
    LONG extraHeight = 0;
    HWND current = hwnd;
    while (current != nullptr && extraWidth != allowance) {
        HWND parent = GetParent(current);
        if (parent == nullptr || isMdiClient(parent))
            break;
        const RECT currentRect = windowRect(current);
        const RECT parentRect = windowRect(parent);
        resizeWithoutMoving(current, width + extraWidth, height + extraHeight);
        extraWidth += widthOf(parentRect) - widthOf(currentRect);
        extraHeight += heightOf(parentRect) - heightOf(currentRect);
        if (extraWidth > kHostMargin || extraHeight > kHostMargin)
            return;
        extraWidth = std::max<LONG>(extraWidth, 0);
        extraHeight = std::max<LONG>(extraHeight, 0);
        current = parent;
    }
    if (current != nullptr)
        resizeWithoutMoving(current, width + extraWidth, height + extraHeight);
}

bool CFrame::setSize(std::int32_t width, std::int32_t height)
{
    if (!getOpenFlag() || (width == size.width() && height == size.height()))
        return false;
    if (backBuffer != nullptr)
        backBuffer->forget();
    backBuffer = nullptr;
    if (hostResizes(width, height))
        return true;
    size.right = size.left + width;
    size.bottom = size.top + height;
    growWindowsAround(width, height);
    // Also where the growth stopped at the host's window: the frame has its new size, and its
    // mouseable area must have it too, or clicks in the new part would be lost.
    CViewContainer::setViewSize({0, 0, width, height});
    return true;
}

void CFrame::setViewSize(const CRect& rect)
{
    setSize(rect.width(), rect.height());
}

bool CFrame::getPosition(std::int32_t& x, std::int32_t& y)
{
    // A window around the frame's that is about as large as it is part of the editor's window.
    constexpr LONG kSameSizeMargin = 60;
    if (!getOpenFlag() || hwnd == nullptr)
        return false;
    const RECT frameRect = windowRect(hwnd);
    HWND outer = hwnd;
    while ((GetWindowLongPtrA(outer, GWL_STYLE) & WS_CAPTION) == 0) {
        HWND parent = GetParent(outer);
        if (parent == nullptr)
            break;
        const RECT parentRect = windowRect(parent);
        if (std::labs(widthOf(parentRect) - widthOf(frameRect)) > kSameSizeMargin ||
            std::labs(heightOf(parentRect) - heightOf(frameRect)) > kSameSizeMargin)
            break;
        outer = parent;
    }
    const RECT outerRect = windowRect(outer);
    POINT corner{outerRect.left, outerRect.top};
    MapWindowPoints(nullptr, GetParent(outer), &corner, 1);
    x = corner.x;
    y = corner.y;
    return true;
}

bool CFrame::getSize(CRect* rect)
{
    return rect != nullptr && getSize(*rect);
}

bool CFrame::getSize(CRect& rect)
{
    if (!getOpenFlag() || hwnd == nullptr)
        return false;
    HWND above = GetParent(hwnd);
    if (above == nullptr)
        return false;
    const RECT measured = windowRect(above);
    POINT corner{measured.left, measured.top};
    MapWindowPoints(nullptr, GetParent(GetParent(above)), &corner, 1);
    rect = {corner.x, corner.y, corner.x + widthOf(measured), corner.y + heightOf(measured)};
    return true;
}

bool CFrame::setModalView(CView* view)
{
    if (view != nullptr && modalView != nullptr)
        return false;
    if (modalView != nullptr)
        removeView(modalView, false);
    modalView = view;
    if (view != nullptr)
        addView(view);
    return true;
}

void CFrame::beginEdit(std::int32_t index)
{
    if (editor != nullptr)
        editor->beginEdit(index);
}

void CFrame::endEdit(std::int32_t index)
{
    if (editor != nullptr)
        editor->endEdit(index);
}

bool CFrame::getCurrentLocation(CPoint& where)
{
    POINT pointer{};
    GetCursorPos(&pointer);
    if (hwnd != nullptr) {
        const RECT onScreen = windowRect(hwnd);
        pointer.x -= onScreen.left;
        pointer.y -= onScreen.top;
    }
    where = {pointer.x, pointer.y};
    return true;
}

void CFrame::setCursor(std::int32_t type)
{
    if (defaultCursor == nullptr)
        defaultCursor = GetCursor();
    const LPCSTR system = systemCursorOf(type);
    SetCursor(system != nullptr ? LoadCursorA(nullptr, system) : defaultCursor);
}

void CFrame::setFocusView(CView* view)
{
    CView* const previous = focusView;
    focusView = view;
    if (view != nullptr && view->wantsFocus())
        view->setDirty(true);
    if (previous != nullptr) {
        previous->looseFocus(nullptr);
        if (previous->wantsFocus())
            previous->setDirty(true);
    }
}

bool CFrame::focusLiesIn(const CView* view) const
{
    if (view == nullptr)
        return false;
    for (const CView* level = focusView; level != nullptr && level != this; level = level->getParentView())
        if (level == view)
            return true;
    return false;
}

bool CFrame::setDropActive(bool active)
{
    if (!active && !dropActive)
        return true;
    if (hwnd == nullptr)
        return false;
    if (dropTarget != nullptr) {
        RevokeDragDrop(hwnd);
        dropTarget->forgetFrame();
        dropTarget->Release();
        dropTarget = nullptr;
    }
    if (active) {
        dropTarget = new CDropTarget(this);
        dropTarget->AddRef();
        RegisterDragDrop(hwnd, dropTarget);
    }
    dropActive = active;
    return true;
}

void CFrame::invalidate(const CRect& rect)
{
    for (CView* child : children)
        if (touches(child->size, rect))
            child->setDirty(true);
}

bool CFrame::updatesDisabled(bool state)
{
    const bool previous = updatesAreDisabled;
    updatesAreDisabled = state;
    return previous;
}

} // namespace Toolkit
