#pragma once

// Views and containers for the toolkit's tests that record what reaches them: draws with the clip in
// force, clicks, keys, wheel turns, focus, drags, removal and their own end.

#include "toolkit/drag_container.h"
#include "toolkit/draw_context.h"
#include "toolkit/view.h"
#include "toolkit/view_container.h"

#include <string>
#include <utility>
#include <vector>

namespace kravo::test {

class RecordingView : public Toolkit::CView {
public:
    explicit RecordingView(const Toolkit::CRect& size, std::string name = "view", std::vector<std::string>* log = nullptr)
        : CView(size), name(std::move(name)), log_(log)
    {
    }
    ~RecordingView() override
    {
        if (ended != nullptr)
            *ended = true;
    }

    void draw(Toolkit::CDrawContext* context) override
    {
        ++draws;
        context->getClipRect(lastClip);
        CView::draw(context);
    }
    void mouse(Toolkit::CDrawContext*, const Toolkit::CPoint& where, std::int32_t buttons) override
    {
        clicks.push_back(where);
        lastButtons = buttons;
        note("mouse");
    }
    std::int32_t onKeyDown(PlugKeyCode&) override
    {
        note("keyDown");
        return keyAnswer;
    }
    std::int32_t onKeyUp(PlugKeyCode&) override
    {
        note("keyUp");
        return keyAnswer;
    }
    bool onWheel(Toolkit::CDrawContext*, const Toolkit::CPoint& where, float distance) override
    {
        wheels.emplace_back(where, distance);
        return true;
    }
    bool onDrop(Toolkit::CDrawContext*, Toolkit::CDragContainer* drag, const Toolkit::CPoint& where) override
    {
        note("drop");
        lastDragPoint = where;
        std::int32_t size = 0;
        std::int32_t type = 0;
        if (drag != nullptr)
            for (void* item = drag->first(size, type); item != nullptr; item = drag->next(size, type))
                dropped.emplace_back(static_cast<const char*>(item), static_cast<std::size_t>(size));
        return takesDrops;
    }
    void onDragEnter(Toolkit::CDrawContext*, Toolkit::CDragContainer*, const Toolkit::CPoint& where) override
    {
        lastDragPoint = where;
        note("enter");
    }
    void onDragLeave(Toolkit::CDrawContext*, Toolkit::CDragContainer*, const Toolkit::CPoint&) override { note("leave"); }
    void onDragMove(Toolkit::CDrawContext*, Toolkit::CDragContainer*, const Toolkit::CPoint& where) override
    {
        lastDragPoint = where;
        note("move");
    }
    void looseFocus(Toolkit::CDrawContext*) override { note("looseFocus"); }
    bool removed(Toolkit::CView*) override
    {
        note("removed");
        return true;
    }

    std::string name;
    int draws = 0;
    Toolkit::CRect lastClip;
    std::vector<Toolkit::CPoint> clicks;
    std::int32_t lastButtons = 0;
    std::vector<std::pair<Toolkit::CPoint, float>> wheels;
    std::vector<std::string> dropped;
    Toolkit::CPoint lastDragPoint{-1, -1};
    std::int32_t keyAnswer = -1;
    bool takesDrops = false;
    bool* ended = nullptr;

private:
    void note(const char* what)
    {
        if (log_ != nullptr)
            log_->push_back(name + " " + what);
    }

    std::vector<std::string>* log_;
};

// Counts the container's own drawing.
class CountingContainer : public Toolkit::CViewContainer {
public:
    CountingContainer(const Toolkit::CRect& size, Toolkit::CFrame* frame) : CViewContainer(size, frame, nullptr) {}

    void draw(Toolkit::CDrawContext* context) override
    {
        ++draws;
        CViewContainer::draw(context);
    }
    void drawRect(Toolkit::CDrawContext* context, const Toolkit::CRect& updateRect) override
    {
        ++draws;
        CViewContainer::drawRect(context, updateRect);
    }

    int draws = 0;
};

} // namespace kravo::test
