#pragma once

// A view that owns an ordered list of child views, the later ones on top: it draws its background and
// children, optionally through an off-screen buffer of its own, redraws only what became dirty, and
// routes mouse, wheel, key and drag calls to the child under the pointer. Children's rectangles are in
// the container's coordinates, its top-left corner at (0, 0).

#include "toolkit/color.h"
#include "toolkit/view.h"

#include <list>

namespace Toolkit {

class COffscreenContext;

class CViewContainer : public CView {
public:
    CViewContainer(const CRect& size, CFrame* frame, CBitmap* background);
    ~CViewContainer() override;

    void draw(CDrawContext* context) override;
    // The part of the container under the rectangle, given in its parent's coordinates.
    void drawRect(CDrawContext* context, const CRect& updateRect) override;
    void mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons) override;
    std::int32_t onKeyDown(PlugKeyCode& key) override;
    std::int32_t onKeyUp(PlugKeyCode& key) override;
    bool onWheel(CDrawContext* context, const CPoint& where, std::int32_t axis, float distance) override;
    bool onWheel(CDrawContext* context, const CPoint& where, float distance) override;
    bool onDrop(CDrawContext* context, CDragContainer* drag, const CPoint& where) override;
    void onDragEnter(CDrawContext* context, CDragContainer* drag, const CPoint& where) override;
    void onDragLeave(CDrawContext* context, CDragContainer* drag, const CPoint& where) override;
    void onDragMove(CDrawContext* context, CDragContainer* drag, const CPoint& where) override;
    void looseFocus(CDrawContext* context) override;
    void takeFocus(CDrawContext* context) override;
    // Dirty itself, or with a dirty child that shows.
    bool isDirty() override;
    bool hitTest(const CPoint& where, std::int32_t buttons) override;
    void setViewSize(const CRect& rect) override;
    bool removed(CView* parent) override;
    bool attached(CView* parent) override;
    CPoint& frameToLocal(CPoint& point) override;
    CPoint& localToFrame(CPoint& point) override;
    std::int32_t notify(CView* sender, const char* message) override;
    // The rectangle in the container's coordinates.
    void redrawRect(CDrawContext* context, const CRect& rect) override;
    bool isTypeOf(const char* type) override;
    void update(CDrawContext* context) override;

    virtual void addView(CView* view, const CRect& mouseableArea, bool mouseEnabled);
    // Takes over the caller's reference.
    virtual void addView(CView* view);
    // With forget, the reference addView took over is dropped too.
    virtual void removeView(CView* view, bool withForget = true);
    virtual void removeAll(bool withForget = true);
    virtual bool isChild(CView* view);
    virtual std::int32_t getNbViews();
    virtual CView* getView(std::int32_t index);
    virtual void setBackgroundColor(CColor color);
    virtual CColor getBackgroundColor() { return backgroundColor; }
    virtual void setBackgroundOffset(const CPoint& offset) { backgroundOffset = offset; }
    virtual const CPoint& getBackgroundOffset() { return backgroundOffset; }
    virtual void drawBackgroundRect(CDrawContext* context, const CRect& rect);
    // kNormalUpdate or kOnlyDirtyUpdate.
    virtual void setMode(std::int32_t newMode) { mode = newMode; }
    virtual std::int32_t getMode() { return mode; }
    virtual void useOffscreen(bool state);
    virtual CView* getCurrentView();
    // The topmost child whose mouseable area holds the point (the container's parent's coordinates);
    // deep looks on inside child containers.
    virtual CView* getViewAt(const CPoint& where, bool deep);
    // Gives the focus to the next child that wants it, after the old focus when one is given.
    virtual bool advanceNextFocusView(CView* oldFocus, bool reverse);

    // A dirty container redraws whole.
    static constexpr std::int32_t kNormalUpdate = 0;
    // Only the dirty children are redrawn.
    static constexpr std::int32_t kOnlyDirtyUpdate = 1;

protected:
    // Children first to last; each holds one reference to its view.
    std::list<CView*> children;
    std::int32_t mode = kOnlyDirtyUpdate;
    COffscreenContext* offscreen = nullptr;
    CColor backgroundColor = kBlackColor;
    CPoint backgroundOffset;
    bool drawInOffscreen = false;
    CView* currentDragView = nullptr;

private:
    CDrawContext* drawingTarget(CDrawContext* context);
    void releaseOffscreen();
    CRect localBounds() const { return {0, 0, size.width(), size.height()}; }
    CRect oldClipOf(CDrawContext* context, CRect& kept);
    void drawBitmapBackground(CDrawContext* target, const CRect& rect);
    // Takes the child out of the list and drops the node's reference.
    void unlinkChild(std::list<CView*>::iterator child, bool withForget, bool tellFocus);
};

} // namespace Toolkit
