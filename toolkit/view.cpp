#include "toolkit/view.h"

#include "toolkit/bitmap.h"
#include "toolkit/context_shift.h"
#include "toolkit/draw_context.h"
#include "toolkit/frame.h"
#include "toolkit/messages.h"

#include <cstring>

namespace Toolkit {

bool touches(const CRect& a, const CRect& b)
{
    return a.right >= b.left && a.left <= b.right && a.bottom >= b.top && a.top <= b.bottom;
}

bool containsWithEdges(const CRect& rect, const CPoint& where)
{
    return where.h >= rect.left && where.h <= rect.right && where.v >= rect.top && where.v <= rect.bottom;
}

CView::CView(const CRect& size) : size(size), mouseableArea(size) {}

CView::~CView()
{
    if (background != nullptr)
        background->forget();
}

void CView::draw(CDrawContext* context)
{
    if (background != nullptr) {
        if (transparencyEnabled)
            background->drawTransparent(context, size, {0, 0});
        else
            background->draw(context, size, {0, 0});
    }
    setDirty(false);
}

void CView::drawRect(CDrawContext* context, const CRect&)
{
    draw(context);
}

bool CView::checkUpdate(const CRect& updateRect)
{
    return touches(updateRect, size);
}

void CView::mouse(CDrawContext*, const CPoint&, std::int32_t) {}

// The new bitmap is held before the old one is let go, so that setting the same bitmap again cannot
// drop its last reference.
void CView::setBackground(CBitmap* bitmap)
{
    if (bitmap != nullptr)
        bitmap->remember();
    if (background != nullptr)
        background->forget();
    background = bitmap;
    setDirty(true);
}

std::int32_t CView::onKeyDown(PlugKeyCode&)
{
    return -1;
}

std::int32_t CView::onKeyUp(PlugKeyCode&)
{
    return -1;
}

bool CView::onWheel(CDrawContext* context, const CPoint& where, std::int32_t, float distance)
{
    return onWheel(context, where, distance);
}

bool CView::onWheel(CDrawContext*, const CPoint&, float)
{
    return false;
}

bool CView::onDrop(CDrawContext*, CDragContainer*, const CPoint&)
{
    return false;
}

void CView::onDragEnter(CDrawContext*, CDragContainer*, const CPoint&) {}

void CView::onDragLeave(CDrawContext*, CDragContainer*, const CPoint&) {}

void CView::onDragMove(CDrawContext*, CDragContainer*, const CPoint&) {}

void CView::looseFocus(CDrawContext*) {}

void CView::takeFocus(CDrawContext*) {}

bool CView::hitTest(const CPoint& where, std::int32_t)
{
    return containsWithEdges(mouseableArea, where);
}

void CView::setViewSize(const CRect& rect)
{
    size = rect;
    setDirty(true);
}

bool CView::removed(CView*)
{
    return true;
}

bool CView::attached(CView*)
{
    return true;
}

// Each container on the way up adds its corner to the context's screen offset, so the pointer comes out
// relative to the container that holds this view.
void CView::getMouseLocation(CDrawContext* context, CPoint& where)
{
    if (context == nullptr)
        return;
    if (parentView != nullptr && parentView->notify(this, kMsgCheckIfViewContainer) == 1) {
        const ContextShift shift(context, parentView->size.topLeft());
        parentView->getMouseLocation(context, where);
        return;
    }
    context->getMouseLocation(where);
}

CPoint& CView::frameToLocal(CPoint& point)
{
    if (parentView != nullptr && parentView->isTypeOf("CViewContainer"))
        return parentView->frameToLocal(point);
    return point;
}

CPoint& CView::localToFrame(CPoint& point)
{
    if (parentView != nullptr && parentView->isTypeOf("CViewContainer"))
        return parentView->localToFrame(point);
    return point;
}

PluginGUIEditor* CView::getEditor()
{
    return parentFrame != nullptr ? parentFrame->getEditor() : nullptr;
}

std::int32_t CView::notify(CView*, const char*)
{
    return 0;
}

void CView::redrawRect(CDrawContext* context, const CRect& rect)
{
    if (parentView != nullptr)
        parentView->redrawRect(context, rect);
    else if (parentFrame != nullptr)
        parentFrame->drawRect(context, rect);
}

bool CView::isTypeOf(const char* type)
{
    return std::strcmp(type, "CView") == 0;
}

void CView::update(CDrawContext* context)
{
    if (!isDirty())
        return;
    if (context != nullptr)
        redrawRect(context, size);
    else if (parentFrame != nullptr)
        parentFrame->draw(this);
    setDirty(false);
}

const CView::Attribute* CView::findAttribute(std::uint32_t id) const
{
    for (const Attribute* entry = attributes.get(); entry != nullptr; entry = entry->next.get())
        if (entry->id == id)
            return entry;
    return nullptr;
}

bool CView::getAttributeSize(std::uint32_t id, std::int32_t& outSize) const
{
    const Attribute* entry = findAttribute(id);
    if (entry == nullptr)
        return false;
    outSize = entry->size;
    return true;
}

bool CView::getAttribute(std::uint32_t id, std::int32_t bufferSize, void* buffer, std::int32_t& outSize) const
{
    const Attribute* entry = findAttribute(id);
    if (entry == nullptr || bufferSize < entry->size)
        return false;
    if (entry->size > 0)
        std::memcpy(buffer, entry->data.get(), static_cast<std::size_t>(entry->size));
    outSize = entry->size;
    return true;
}

// A negative size, or a size without data, is refused rather than allocated or read.
bool CView::setAttribute(std::uint32_t id, std::int32_t dataSize, const void* data)
{
    if (dataSize < 0 || (dataSize > 0 && data == nullptr))
        return false;
    const auto bytes = static_cast<std::size_t>(dataSize);
    if (const Attribute* known = findAttribute(id); known != nullptr) {
        if (known->size < dataSize)
            return false;
        if (bytes > 0)
            std::memcpy(known->data.get(), data, bytes);
        return true;
    }
    auto entry = std::make_unique<Attribute>();
    entry->data = std::make_unique<std::uint8_t[]>(bytes);
    if (bytes > 0)
        std::memcpy(entry->data.get(), data, bytes);
    entry->size = dataSize;
    entry->id = id;
    std::unique_ptr<Attribute>* end = &attributes;
    while (*end != nullptr)
        end = &(*end)->next;
    *end = std::move(entry);
    return true;
}

} // namespace Toolkit
