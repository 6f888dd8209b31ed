#pragma once

// The base of everything that occupies a rectangle of the editor window. A view's rectangle is in its
// container's coordinates; it is drawn lazily (marked dirty, redrawn by the frame's idle pass) and
// receives mouse, key, wheel, focus and drag calls from its container.

#include "plugin/base/plug_types.h"
#include "toolkit/rect.h"
#include "toolkit/reference_counter.h"

#include <cstdint>
#include <memory>

class PluginGUIEditor;

namespace Toolkit {

class CBitmap;
class CDragContainer;
class CDrawContext;
class CFrame;
class CViewContainer;

class CView : public CReferenceCounter {
public:
    explicit CView(const CRect& size);
    ~CView() override;

    // Draws the background over the view's rectangle and leaves the view clean.
    virtual void draw(CDrawContext* context);
    virtual void drawRect(CDrawContext* context, const CRect& updateRect);
    // Whether the rectangle touches the view's, edges included.
    virtual bool checkUpdate(const CRect& updateRect);
    virtual void mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons);
    virtual void setBackground(CBitmap* bitmap);
    virtual CBitmap* getBackground() { return background; }
    // −1 when not handled.
    virtual std::int32_t onKeyDown(PlugKeyCode& key);
    virtual std::int32_t onKeyUp(PlugKeyCode& key);
    virtual bool onWheel(CDrawContext* context, const CPoint& where, std::int32_t axis, float distance);
    // In notches.
    virtual bool onWheel(CDrawContext* context, const CPoint& where, float distance);
    virtual bool onDrop(CDrawContext* context, CDragContainer* drag, const CPoint& where);
    virtual void onDragEnter(CDrawContext* context, CDragContainer* drag, const CPoint& where);
    virtual void onDragLeave(CDrawContext* context, CDragContainer* drag, const CPoint& where);
    virtual void onDragMove(CDrawContext* context, CDragContainer* drag, const CPoint& where);
    virtual void looseFocus(CDrawContext* context);
    virtual void takeFocus(CDrawContext* context);
    virtual bool isDirty() { return dirty; }
    virtual void setDirty(bool state) { dirty = state; }
    virtual void setMouseEnabled(bool state) { mouseEnabled = state; }
    virtual bool getMouseEnabled() { return mouseEnabled; }
    virtual void setMouseableArea(const CRect& rect) { mouseableArea = rect; }
    virtual CRect& getMouseableArea(CRect& rect)
    {
        rect = mouseableArea;
        return rect;
    }
    // Whether the point lies in the mouseable area, all four edges included.
    virtual bool hitTest(const CPoint& where, std::int32_t buttons);
    virtual void setTransparency(bool state) { transparencyEnabled = state; }
    virtual bool getTransparency() { return transparencyEnabled; }
    // Leaves the mouseable area as it is.
    virtual void setViewSize(const CRect& rect);
    virtual CRect& getViewSize(CRect& rect)
    {
        rect = size;
        return rect;
    }
    virtual bool removed(CView* parent);
    virtual bool attached(CView* parent);
    // The pointer in the coordinates of the view's rectangle.
    virtual void getMouseLocation(CDrawContext* context, CPoint& where);
    virtual CPoint& frameToLocal(CPoint& point);
    virtual CPoint& localToFrame(CPoint& point);
    virtual PluginGUIEditor* getEditor();
    virtual std::int32_t notify(CView* sender, const char* message);
    // Has the rectangle (the view's container's coordinates) repainted by whoever holds the view.
    virtual void redrawRect(CDrawContext* context, const CRect& rect);
    virtual bool wantsFocus() { return focusWanted; }
    virtual void setWantsFocus(bool state) { focusWanted = state; }
    virtual bool isTypeOf(const char* type);
    // Redraws the view when it is dirty; without a context straight into the frame's window.
    virtual void update(CDrawContext* context);

    // Attributes: blocks of bytes kept under an id for whoever asks.
    bool getAttributeSize(std::uint32_t id, std::int32_t& outSize) const;
    // False without the attribute or when the buffer is smaller than it.
    bool getAttribute(std::uint32_t id, std::int32_t bufferSize, void* buffer, std::int32_t& outSize) const;
    // A known id keeps its size: the data is copied over the start of it, and must not be larger.
    bool setAttribute(std::uint32_t id, std::int32_t dataSize, const void* data);

    CFrame* getFrame() const { return parentFrame; }
    CView* getParentView() const { return parentView; }

protected:
    friend class CFrame;
    friend class CViewContainer;

    CRect size;
    CRect mouseableArea;
    CFrame* parentFrame = nullptr;
    CView* parentView = nullptr;
    bool dirty = false;
    bool mouseEnabled = true;
    bool transparencyEnabled = false;
    bool focusWanted = false;
    CBitmap* background = nullptr;

private:
    struct Attribute {
        std::unique_ptr<Attribute> next;
        std::unique_ptr<std::uint8_t[]> data;
        std::int32_t size;
        std::uint32_t id;
    };

    const Attribute* findAttribute(std::uint32_t id) const;

    std::unique_ptr<Attribute> attributes;
};

// Whether the rectangles touch, edges included.
bool touches(const CRect& a, const CRect& b);
// Whether the point lies in the rectangle, all four edges included.
bool containsWithEdges(const CRect& rect, const CPoint& where);

} // namespace Toolkit
