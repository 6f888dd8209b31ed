#pragma once

// The base of every host-side view: a tree of rectangles that the host draws and clicks through its
// own window. Frames are in port coordinates (a child is not relative to its parent), and the whole
// tree draws into one host port. The root handles the host's mouse and key records and keeps the key
// focus; a view drags, tracks and scrolls through the toolbox's port, letting the host run on every
// pass of a tracking loop.

#include "hostlibs/extension/host_graphics_types.h"
#include "platform/four_char_code.h"

#include <cstdint>
#include <memory>
#include <string_view>

// The record a view is built from; the description language defines it.
struct SViewRecord;

class CPlugInView {
public:
    static constexpr std::uint32_t kNoID = FourCharCode("NONE");
    // A click whose message is this tracks nothing: the caller tracks on its own.
    static constexpr std::int32_t kSkipTrackingMessage = 0x12345678;
    static constexpr std::int16_t kFocusDepth = 4;

    CPlugInView() = default;
    CPlugInView(const CPlugInView&) = delete;
    CPlugInView& operator=(const CPlugInView&) = delete;

    virtual ~CPlugInView();
    virtual void Initialize();
    virtual void ReadItemRecord(const SViewRecord* record);
    // With nest, the view goes into the first child whose frame encloses it, recursively.
    virtual void AddSubView(CPlugInView* view, bool nest);
    virtual void AddSibling(CPlugInView* view);
    virtual void SetParent(CPlugInView* view);
    virtual CPlugInView* FindViewAtPoint(HostPoint point);
    virtual void SubViewMoved(CPlugInView* view);
    virtual void Deactivate();
    virtual void Activate();
    // A null port detaches the tree: key editing ends and the focus stack is given up.
    virtual void SetPort(HostPort port);
    virtual HostRect* GetFrame(HostRect* out);
    // Hiding moves the view 16384 pixels out of sight; showing moves it back.
    virtual void Show();
    virtual void Hide();
    virtual void HandleKey(std::int16_t character, bool* handled);
    virtual void EndEdit(bool accept);
    virtual void BeginEdit();
    virtual bool CanTakeFocus();
    virtual std::int32_t HandleKeyDown(const HostEventRecord* event, bool* handled);
    virtual std::int32_t HandleMouseDown(const HostEventRecord* event);
    virtual void TrackMouse(const HostEventRecord* event, bool skip);
    virtual void DragSubView(const HostEventRecord* event, CPlugInView* view);
    virtual void DrawContents(const HostRect& area);
    // Null draws the whole visible rectangle.
    virtual void Draw(const HostRect* area);
    virtual void Idle(const HostEventRecord* event);
    virtual void SetHighlighted(bool flag);
    virtual void SetEnabled(bool flag);
    virtual bool IsEnabled();
    virtual void OffsetBy(std::int16_t dh, std::int16_t dv);
    virtual void GetForeColor(HostColor* out);
    virtual void GetBackColor(HostColor* out);
    virtual void SetForeColor(const HostColor& colour);
    virtual void SetBackColor(const HostColor& colour);
    virtual HostPixelPattern GetBackPattern();
    virtual void BeginBackPattern();
    virtual void EndBackPattern();
    virtual void GetControlIndexAt(std::int32_t* out);
    virtual bool IsControlView();
    virtual bool IsHighlightedByHost();
    virtual void GetHostHighlight(std::int16_t* colour, std::int16_t* number, const char** text);
    // From the current resource file; null when it has no such pattern.
    virtual HostPixelPattern LoadPixPat(std::int16_t id);
    virtual void FinishInitialize();
    virtual void Connect();
    virtual void Disconnect();
    virtual void EraseBackground(const HostRect& area);
    virtual void DrawSelf(const HostRect& area);
    virtual void Click(const HostEventRecord* event);

    CPlugInView* GetFirstSubView() const { return firstChild; }
    CPlugInView* GetNextSibling() const { return nextSibling; }
    CPlugInView* GetParent() const { return parent; }
    void SetNextSibling(CPlugInView* view) { nextSibling = view; }
    HostPort GetPort() const { return port; }
    void SetID(std::uint32_t value) { id = value; }
    std::uint32_t GetID() const { return id; }
    void SetFrame(const HostRect& rect) { frame = rect; }
    void SetLimitRect(const HostRect& rect) { limit = rect; }
    bool IsDraggable() const { return draggable; }
    void SetDraggable(bool flag) { draggable = flag; }
    bool IsDragging() const { return dragging; }
    void SetDragging(bool flag) { dragging = flag; }
    bool IsHighlighted() const { return highlighted; }
    bool IsActive() const { return active; }
    // The root's key-focus view; null when no view has the focus.
    CPlugInView* GetKeyFocus() const { return keyFocus; }
    std::int16_t GetFocusDepth() const { return focusDepth; }

    // A stranger only loses its parent and sibling links.
    void RemoveSubView(CPlugInView* view);
    void DeleteSubViews();
    // 'NONE' never matches.
    CPlugInView* FindSubViewByID(std::uint32_t wanted);
    HostRect GetVisibleRect();
    // Makes the view's port current with the view's origin, clipped to the visible rectangle (and the
    // clip, when given); focusing nests up to four deep and each unfocus gives back one level.
    void FocusView(const HostRect* clip);
    void UnfocusView();
    void InvalidateFrame();
    void MoveTo(std::int16_t h, std::int16_t v);
    void MoveBy(std::int16_t dh, std::int16_t dv);
    // Moves the view and redraws it and, through the root, what it uncovered.
    void ScrollBy(std::int16_t dh, std::int16_t dv);
    CPlugInView* GetRootView();
    // The frame becomes (0, 0, height, width).
    void SetSize(std::int16_t width, std::int16_t height);
    // Builds a child from a description made at run time, each "`" read as a double quote; a text that
    // describes no view becomes a static text showing it. Null when nothing was added: no memory, or a
    // text of more than 255 characters.
    CPlugInView* AddSubViewFromText(std::string_view text, std::int16_t h, std::int16_t v, std::int16_t width,
                                    std::int16_t height, bool enabled);
    // One pixel narrower and lower; true when a child was added.
    bool AddSubViewFromTextInset(std::string_view text, std::int16_t h, std::int16_t v, std::int16_t width,
                                 std::int16_t height, bool enabled);
    // The plug-in's resource file is current between the two; brackets nest.
    static std::int16_t UsePlugInResFile();
    static void RestoreResFile(std::int16_t previous);

    // Set while a pop-up covers part of the screen: views of other ports are clipped around the
    // rectangle, given in the current port's local coordinates. A null port ends it and redraws what
    // was clipped, the last view first.
    static void SetOverlayPort(HostPort port, const HostRect* rect);

protected:
    // The active flag alone, for a view whose children keep theirs.
    void SetActiveFlag(bool flag) { active = flag; }
    // Lets the host run. False when meanwhile the host deleted the view or took its port away: the
    // caller then touches nothing more.
    bool YieldToHost();
    // Lets a caller learn, after letting the host run, whether the view still exists.
    std::weak_ptr<void> Life() const { return life; }

private:
    struct SFocusEntry {
        HostPort port;
        HostPoint origin;
        HostRegion clip;
    };

    bool Contains(const CPlugInView* view) const;
    void LeaveTree(CPlugInView* view);
    void LeaveOverlayList();
    void ClipTo(const HostRect& clip);
    void DropFocusStack();

    HostColor foreColor{0x0000, 0x0000, 0x2222};
    HostColor backColor{0x8888, 0x8888, 0x8888};
    HostPort port = nullptr;
    CPlugInView* parent = nullptr;
    CPlugInView* keyFocus = nullptr;
    bool active = false;
    HostPoint origin{0, 0};
    HostRect frame{0, 0, 0, 0};
    HostRect limit{-32000, -32000, 32000, 32000};
    bool enabled = false;
    bool highlighted = false;
    bool draggable = false;
    bool dragging = false;
    std::uint32_t id = kNoID;
    CPlugInView* firstChild = nullptr;
    CPlugInView* nextSibling = nullptr;
    SFocusEntry focusStack[kFocusDepth]{};
    std::int16_t focusDepth = 0;
    std::shared_ptr<char> life = std::make_shared<char>();
};
