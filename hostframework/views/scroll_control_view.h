#pragma once

// A control view whose value is the scroll position of another view: its own frame stands for the
// window onto that view's contents, one page a window's width (horizontal) or height (vertical). The
// lowest host value shows the start of the contents, the highest their end; setting a value scrolls
// the contents there. The scrolled view binds it when it connects and unbinds it when it disconnects.

#include "hostframework/views/control_view.h"

class CItemListView;

class CScrollControlView : public CControlView {
public:
    static constexpr std::int16_t kHorizontal = 1;
    static constexpr std::int16_t kVertical = 2;

    // Leaves the list it scrolls, which may outlive it.
    ~CScrollControlView() override;

    std::int32_t GetNumSteps() override { return pageCount; }
    // Scrolls the contents to the value's offset first; -7400 when they lie beyond this view's start.
    void SetValue(std::int32_t newValue) override;

    // With a view, the pages and the value follow from where its contents lie; -7400 as above.
    void AttachToScrolledView(CItemListView* view, std::int16_t newOrientation);
    CItemListView* GetScrolledView() const { return scrolledView; }
    std::int16_t GetOrientation() const { return orientation; }

private:
    struct SExtents {
        std::int32_t visible;
        std::int32_t content;
        std::int32_t offset;
    };
    SExtents Measure();

    CItemListView* scrolledView = nullptr;
    std::int16_t orientation = 0;
    std::int32_t pageCount = 0;
};

// The creator of "ScrollControl" views; null when there is no memory for one.
CCustomView* NewScrollControlView();
