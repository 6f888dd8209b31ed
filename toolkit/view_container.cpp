#include "toolkit/view_container.h"

#include "toolkit/bitmap.h"
#include "toolkit/context_shift.h"
#include "toolkit/frame.h"
#include "toolkit/messages.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/offscreen_context.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace Toolkit {

namespace {

CPoint minus(CPoint point, const CRect& rect)
{
    return point.offset(-rect.left, -rect.top);
}

bool shows(const CRect& rect)
{
    return rect.width() > 0 && rect.height() > 0;
}

} // namespace

CViewContainer::CViewContainer(const CRect& size, CFrame* frame, CBitmap* background) : CView(size)
{
    parentFrame = frame;
    setBackground(background);
}

CViewContainer::~CViewContainer()
{
    removeAll(true);
    releaseOffscreen();
}

void CViewContainer::releaseOffscreen()
{
    if (offscreen != nullptr)
        offscreen->forget();
    offscreen = nullptr;
}

// Where the container draws: its own buffer, or else the context itself, which the caller shifts to the
// container's corner.
CDrawContext* CViewContainer::drawingTarget(CDrawContext* context)
{
    if (drawInOffscreen && offscreen == nullptr)
        offscreen = new COffscreenContext(parentFrame, size.width(), size.height(), kBlackColor);
    // What lies under a transparent container shows through its buffer.
    if (offscreen != nullptr && transparencyEnabled)
        offscreen->copyTo(context, size);
    return drawInOffscreen ? static_cast<CDrawContext*>(offscreen) : context;
}

// The context's clip, kept as it is; what it answers is the clip the children are bound to.
CRect CViewContainer::oldClipOf(CDrawContext* context, CRect& kept)
{
    context->getClipRect(kept);
    CRect old = kept;
    if (drawInOffscreen && parentFrame != this)
        old.offset(-old.left, -old.top);
    return old;
}

void CViewContainer::drawBitmapBackground(CDrawContext* target, const CRect& rect)
{
    if (transparencyEnabled)
        background->drawTransparent(target, rect, backgroundOffset);
    else
        background->draw(target, rect, backgroundOffset);
}

void CViewContainer::draw(CDrawContext* context)
{
    if (context == nullptr)
        return;
    CDrawContext* target = drawingTarget(context);
    std::optional<ContextShift> shift;
    if (!drawInOffscreen)
        shift.emplace(context, size.topLeft());

    CRect kept;
    const CRect oldClip = oldClipOf(context, kept);
    target->setClipRect(localBounds().bound(oldClip));

    if (background != nullptr) {
        drawBitmapBackground(target, localBounds());
    } else if (!transparencyEnabled) {
        target->setFillColor(backgroundColor);
        target->fillRect(localBounds());
    }
    for (CView* child : children) {
        CRect clip = child->size;
        target->setClipRect(clip.bound(oldClip));
        child->draw(target);
    }

    target->setClipRect(kept);
    if (drawInOffscreen)
        offscreen->copyFrom(context, size, {0, 0});
    setDirty(false);
}

void CViewContainer::drawRect(CDrawContext* context, const CRect& updateRect)
{
    if (context == nullptr)
        return;
    CDrawContext* target = drawingTarget(context);
    std::optional<ContextShift> shift;
    if (!drawInOffscreen)
        shift.emplace(context, size.topLeft());

    CRect update = updateRect;
    update.bound(size);
    CRect client = update;
    client.offset(-size.left, -size.top);

    CRect kept;
    const CRect oldClip = oldClipOf(context, kept);
    CRect newClip = client;
    newClip.bound(oldClip);
    target->setClipRect(newClip);

    drawBackgroundRect(target, client);
    for (CView* child : children) {
        if (!child->checkUpdate(client))
            continue;
        CRect childClip = child->size;
        childClip.bound(newClip);
        if (!shows(childClip))
            continue;
        target->setClipRect(childClip);
        const bool wasDirty = child->isDirty();
        child->drawRect(target, client);
        // Drawn only in part: the next idle pass draws it whole.
        if (wasDirty && child->size != childClip && !isTypeOf("CScrollContainer"))
            child->setDirty(true);
    }

    target->setClipRect(kept);
    if (drawInOffscreen)
        offscreen->copyFrom(context, update, client.topLeft());
    setDirty(false);
}

void CViewContainer::drawBackgroundRect(CDrawContext* context, const CRect& rect)
{
    if (background != nullptr) {
        CRect old;
        context->getClipRect(old);
        CRect clip = rect;
        context->setClipRect(clip.bound(old));
        drawBitmapBackground(context, {0, 0, background->getWidth(), background->getHeight()});
        context->setClipRect(old);
    } else if (!transparencyEnabled) {
        context->setFillColor(backgroundColor);
        context->fillRect(rect);
    }
}

void CViewContainer::redrawRect(CDrawContext* context, const CRect& rect)
{
    CRect moved = rect;
    moved.offset(size.left, size.top);
    if (transparencyEnabled) {
        // The parent repaints what shows through.
        if (parentView != nullptr)
            parentView->redrawRect(context, moved);
        else if (parentFrame != nullptr)
            parentFrame->drawRect(context, moved);
        return;
    }
    CPoint parentOrigin{0, 0};
    if (parentView != nullptr)
        parentView->localToFrame(parentOrigin);
    const ContextShift shift(context, parentOrigin);
    drawRect(context, moved);
}

void CViewContainer::update(CDrawContext* context)
{
    if (mode != kNormalUpdate && mode != kOnlyDirtyUpdate)
        return;
    if (mode == kNormalUpdate || dirty) {
        if (!isDirty())
            return;
        redrawRect(context, localBounds());
        setDirty(false);
        return;
    }
    const CRect bounds = localBounds();
    for (CView* child : children) {
        if (!child->isDirty() || !child->checkUpdate(bounds))
            continue;
        if (child->notify(this, kMsgCheckIfViewContainer) == 1) {
            child->update(context);
        } else {
            CRect shown = child->size;
            redrawRect(context, shown.bound(bounds));
        }
    }
    setDirty(false);
}

void CViewContainer::mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons)
{
    const CPoint local = minus(where, size);
    if (buttons == kButtonsUnread && context != nullptr)
        buttons = context->getMouseButtons();
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        if ((*child)->getMouseEnabled() && (*child)->hitTest(local, buttons)) {
            (*child)->mouse(context, local, buttons);
            return;
        }
    }
}

std::int32_t CViewContainer::onKeyDown(PlugKeyCode& key)
{
    for (auto child = children.rbegin(); child != children.rend(); ++child)
        if (const std::int32_t answer = (*child)->onKeyDown(key); answer != -1)
            return answer;
    return -1;
}

std::int32_t CViewContainer::onKeyUp(PlugKeyCode& key)
{
    for (auto child = children.rbegin(); child != children.rend(); ++child)
        if (const std::int32_t answer = (*child)->onKeyUp(key); answer != -1)
            return answer;
    return -1;
}

bool CViewContainer::onWheel(CDrawContext* context, const CPoint& where, std::int32_t axis, float distance)
{
    CView* view = getViewAt(where, false);
    if (view == nullptr)
        return false;
    const ContextShift shift(context, size.topLeft());
    return view->onWheel(context, minus(where, size), axis, distance);
}

bool CViewContainer::onWheel(CDrawContext* context, const CPoint& where, float distance)
{
    return onWheel(context, where, kVerticalWheelAxis, distance);
}

void CViewContainer::onDragEnter(CDrawContext* context, CDragContainer* drag, const CPoint& where)
{
    if (parentFrame == nullptr)
        return;
    const ContextShift shift(context, size.topLeft());
    const CPoint local = minus(where, size);
    if (currentDragView != nullptr)
        currentDragView->onDragLeave(context, drag, local);
    currentDragView = getViewAt(where, false);
    if (currentDragView != nullptr)
        currentDragView->onDragEnter(context, drag, local);
}

void CViewContainer::onDragMove(CDrawContext* context, CDragContainer* drag, const CPoint& where)
{
    if (parentFrame == nullptr)
        return;
    const ContextShift shift(context, size.topLeft());
    const CPoint local = minus(where, size);
    CView* under = getViewAt(where, false);
    if (under == currentDragView) {
        if (currentDragView != nullptr)
            currentDragView->onDragMove(context, drag, local);
        return;
    }
    if (currentDragView != nullptr)
        currentDragView->onDragLeave(context, drag, local);
    if (under != nullptr)
        under->onDragEnter(context, drag, local);
    currentDragView = under;
}

void CViewContainer::onDragLeave(CDrawContext* context, CDragContainer* drag, const CPoint& where)
{
    if (parentFrame == nullptr)
        return;
    const ContextShift shift(context, size.topLeft());
    if (currentDragView != nullptr)
        currentDragView->onDragLeave(context, drag, minus(where, size));
    currentDragView = nullptr;
}

bool CViewContainer::onDrop(CDrawContext* context, CDragContainer* drag, const CPoint& where)
{
    if (parentFrame == nullptr)
        return false;
    const ContextShift shift(context, size.topLeft());
    const CPoint local = minus(where, size);
    CView* under = getViewAt(where, false);
    if (under != currentDragView) {
        if (currentDragView != nullptr)
            currentDragView->onDragLeave(context, drag, local);
        currentDragView = under;
    }
    bool taken = false;
    if (currentDragView != nullptr) {
        taken = currentDragView->onDrop(context, drag, local);
        currentDragView->onDragLeave(context, drag, local);
    }
    currentDragView = nullptr;
    return taken;
}

void CViewContainer::looseFocus(CDrawContext* context)
{
    for (CView* child : children)
        child->looseFocus(context);
}

void CViewContainer::takeFocus(CDrawContext* context)
{
    for (CView* child : children)
        child->takeFocus(context);
}

bool CViewContainer::isDirty()
{
    if (dirty)
        return true;
    const CRect bounds = localBounds();
    return std::any_of(children.begin(), children.end(), [&](CView* child) {
        CRect shown = child->size;
        return child->isDirty() && shows(shown.bound(bounds));
    });
}

bool CViewContainer::hitTest(const CPoint& where, std::int32_t buttons)
{
    return CView::hitTest(where, buttons);
}

void CViewContainer::setViewSize(const CRect& rect)
{
    CView::setViewSize(rect);
    if (offscreen != nullptr && drawInOffscreen) {
        releaseOffscreen();
        offscreen = new COffscreenContext(parentFrame, size.width(), size.height(), kBlackColor);
    }
}

bool CViewContainer::removed(CView*)
{
    releaseOffscreen();
    return true;
}

bool CViewContainer::attached(CView*)
{
    if (drawInOffscreen && offscreen == nullptr)
        offscreen = new COffscreenContext(parentFrame, size.width(), size.height(), kBlackColor);
    return true;
}

CPoint& CViewContainer::frameToLocal(CPoint& point)
{
    point.offset(-size.left, -size.top);
    if (parentView != nullptr && parentView->isTypeOf("CViewContainer"))
        return parentView->frameToLocal(point);
    return point;
}

CPoint& CViewContainer::localToFrame(CPoint& point)
{
    point.offset(size.left, size.top);
    if (parentView != nullptr && parentView->isTypeOf("CViewContainer"))
        return parentView->localToFrame(point);
    return point;
}

std::int32_t CViewContainer::notify(CView*, const char* message)
{
    return message == kMsgCheckIfViewContainer ? 1 : 0;
}

bool CViewContainer::isTypeOf(const char* type)
{
    return std::strcmp(type, "CViewContainer") == 0 || CView::isTypeOf(type);
}

void CViewContainer::addView(CView* view, const CRect& mouseableArea, bool mouseEnabled)
{
    if (view == nullptr)
        return;
    view->setMouseEnabled(mouseEnabled);
    view->setMouseableArea(mouseableArea);
    addView(view);
}

void CViewContainer::addView(CView* view)
{
    if (view == nullptr)
        return;
    view->remember();
    children.push_back(view);
    view->parentFrame = parentFrame;
    view->parentView = this;
    view->attached(this);
    view->setDirty(true);
}

// No pointer to a view on its way out stays behind as the frame's focus or the current drag view.
void CViewContainer::unlinkChild(std::list<CView*>::iterator child, bool withForget, bool tellFocus)
{
    CView* view = *child;
    if (parentFrame != nullptr && parentFrame->focusLiesIn(view)) {
        if (tellFocus)
            parentFrame->setFocusView(nullptr);
        else
            parentFrame->dropFocusView();
    }
    if (currentDragView == view)
        currentDragView = nullptr;
    view->removed(this);
    if (withForget)
        view->forget();
    children.erase(child);
    view->forget();
}

void CViewContainer::removeView(CView* view, bool withForget)
{
    const auto child = std::find(children.begin(), children.end(), view);
    if (child == children.end()) {
        if (parentFrame != nullptr && parentFrame->getFocusView() == view && view != nullptr)
            parentFrame->setFocusView(nullptr);
        return;
    }
    unlinkChild(child, withForget, true);
}

void CViewContainer::removeAll(bool withForget)
{
    while (!children.empty())
        unlinkChild(children.begin(), withForget, false);
}

bool CViewContainer::isChild(CView* view)
{
    return std::find(children.begin(), children.end(), view) != children.end();
}

std::int32_t CViewContainer::getNbViews()
{
    return static_cast<std::int32_t>(children.size());
}

CView* CViewContainer::getView(std::int32_t index)
{
    if (index < 0 || index >= getNbViews())
        return nullptr;
    return *std::next(children.begin(), index);
}

void CViewContainer::setBackgroundColor(CColor color)
{
    backgroundColor = color;
    setDirty(true);
}

void CViewContainer::useOffscreen(bool state)
{
    drawInOffscreen = state;
    if (!state)
        releaseOffscreen();
}

CView* CViewContainer::getCurrentView()
{
    if (parentFrame == nullptr)
        return nullptr;
    CPoint where;
    parentFrame->getCurrentLocation(where);
    frameToLocal(where);
    for (auto child = children.rbegin(); child != children.rend(); ++child)
        if (containsWithEdges((*child)->mouseableArea, where))
            return *child;
    return nullptr;
}

CView* CViewContainer::getViewAt(const CPoint& where, bool deep)
{
    if (parentFrame == nullptr)
        return nullptr;
    const CPoint local = minus(where, size);
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        if (!containsWithEdges((*child)->mouseableArea, local))
            continue;
        if (deep && (*child)->isTypeOf("CViewContainer"))
            return static_cast<CViewContainer*>(*child)->getViewAt(local, deep);
        return *child;
    }
    return nullptr;
}

bool CViewContainer::advanceNextFocusView(CView* oldFocus, bool reverse)
{
    if (parentFrame == nullptr)
        return false;
    bool pastOldFocus = oldFocus == nullptr;
    const auto offer = [&](CView* child) {
        if (!pastOldFocus) {
            pastOldFocus = child == oldFocus;
            return false;
        }
        if (child->wantsFocus()) {
            parentFrame->setFocusView(child);
            return true;
        }
        return child->isTypeOf("CViewContainer") &&
            static_cast<CViewContainer*>(child)->advanceNextFocusView(nullptr, reverse);
    };
    if (reverse)
        return std::any_of(children.rbegin(), children.rend(), offer);
    return std::any_of(children.begin(), children.end(), offer);
}

} // namespace Toolkit
