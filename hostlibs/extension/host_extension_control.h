#pragma once

// The stand-in host toolbox's controls, for the stand-in host and tests.

#include "hostlibs/extension/host_controls.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics_types.h"
#include "hostlibs/extension/host_menus.h"
#include "hostlibs/extension/host_text.h"
#include "platform/gdi/image.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct ComponentRecord;

namespace hostext {

void withhold(const char* name);
void offerEverything();

// Every open and release of a resource file, in order.
struct ResourceFileEvent {
    bool open;
    std::string path;
};
std::vector<ResourceFileEvent> resourceFileEvents();
void forgetResourceFileEvents();
// The byte-order procedure of the last open, null before any.
ResourceByteOrderProc lastByteOrderProc();
int openResourceFileCount();
// How many opens of the file at that path are not yet closed; 0 when it is not open.
int resourceFileOpens(const std::string& path);

// Handles not yet disposed of; the next `count` allocations fail.
int liveHandleCount();
void failNextHandles(int count);

int waitForHostCount();
// The next wait for the host runs the action once, as the host may run anything while it has control.
void runOnNextWait(std::function<void()> action);
std::vector<std::string> debugMessages();

// A component dispatcher as the host hands one over: it records each request with a copy of its
// parameter block and answers `answer` (0 unless set).
struct ComponentRequest {
    std::int16_t request;
    std::vector<std::uint8_t> block;
};
std::int16_t RecordComponentRequest(std::int16_t request, ComponentRecord* component, char** parameters);
std::vector<ComponentRequest> componentRequests();
void setComponentAnswer(std::int16_t answer);
void forgetComponentRequests();

// The host's component dispatcher with its object tracker: records every request as
// RecordComponentRequest does and answers request 18 by handing out the tracker, or refusing it.
std::int16_t AnswerComponentRequest(std::int16_t request, ComponentRecord* component, char** parameters);
// A nonzero answer refuses the tracker with it; 0 (the start) hands it out.
void refuseObjectTracker(std::int16_t answer);

// What the tracker was told, in order. A report carries the record's words and the kind its sender
// was tracked with (0 when the sender is not tracked).
enum class TrackerCall { track, untrack, report };
struct TrackerEvent {
    TrackerCall call;
    const void* object;
    std::int32_t kind;
    std::vector<std::uintptr_t> words;
};
std::vector<TrackerEvent> trackerEvents();
// Forgets the events and the tracked objects, and hands the tracker out again with no buffer to install.
void resetObjectTracker();
// The kind of every object tracked and not yet untracked.
std::map<const void*, std::int32_t> trackedObjects();
// The next report of a data block gets this buffer installed through the field address it reports.
void installBufferOnNextDataReport(void* buffer);
// As a host does: every data block that reports gets a buffer of the tracker's own (kept until the
// block is untracked), which the block then mirrors its record into.
void keepDataBuffers(bool keep);
// Every tracked instance as its latest reports describe it: the render callback of its worker and
// the buffer the tracker keeps for its worker's data block (null when none).
struct TrackedInstance {
    const void* instance;
    std::uintptr_t renderCallback;
    const std::uint8_t* data;
    std::size_t dataSize;
};
std::vector<TrackedInstance> trackedInstances();

// What a port did, while it logs: the kind ("fill", "pattern", "erase", "frame", "line", "invalidate",
// "text", "invert", "picture", "icon", "erase oval", "frame oval", "polygon", "scroll"), the rectangle (a
// line's start as top and left, its end as bottom and right; a text's cell; an inversion's or a polygon's
// bounds), the colour (the fore colour; the back colour for an erase or a pattern fill, which paint it
// where their pattern is plain; all zeros for an invalidation, an inversion, a picture or a scroll),
// whether a pattern's own pixels were painted, and the bounds of the clip then, all in the port's local
// coordinates.
struct PortOperation {
    std::string kind;
    HostRect rect;
    HostColor colour;
    bool patterned;
    HostRect clip;
};
// Starting to log forgets what was logged before.
void logPortOperations(HostPort port, bool on);
std::vector<PortOperation> portOperations(HostPort port);

// The port's pixels as they are now: an offscreen port's own, a window port's client area as the
// screen shows it. Null for a port that is not one.
std::optional<platform::Image> capturePort(HostPort port);

// A system control as the toolbox holds it; nothing for a null control.
struct ControlState {
    HostPort port;
    HostRect bounds;
    std::string title;
    bool visible;
    std::int16_t value;
    std::int16_t minimum;
    std::int16_t maximum;
    std::int16_t kind;
    std::intptr_t reference;
};
std::optional<ControlState> controlState(HostControl control);
int liveControlCount();

// Ports, regions, pixel patterns, pictures and text-edit records made and not yet disposed of.
int livePortCount();
int liveRegionCount();
int livePatternCount();
int livePictureCount();
int liveTextEditCount();

// A text-edit record's selection, and whether its caret shows now (only while it is active).
struct TextEditSelection {
    std::int32_t start;
    std::int32_t end;
    bool caretShowing;
};
TextEditSelection textEditSelection(HostTextEdit record);

// The clipboard as the user left it: holding a text, or nothing (as an empty text leaves it).
void setScrapText(const std::string& text);
void clearScrap();

// Screens as a test wants them instead of the window stand-in's: the main one's rectangle and a second
// one's.
void useTestScreens(const HostRect& main, const HostRect& second);

// Every pop-up the toolbox ran, the first first: the menu's id, its rectangle on the screen and its
// window's pixels as they were at the release.
struct MenuPicture {
    std::int16_t menuID;
    HostRect rect;
    platform::Image picture;
};
std::vector<MenuPicture> menuPictures();

// Custom menus made and not yet disposed of.
int liveMenuCount();

// Back to the start: the window stand-in's screen alone, the system font's settings as at the start,
// no menu inserted and no pictures kept.
void resetMenus();

// A visible top-level window made by the toolbox's library itself, with the plain default window
// procedure: the pop-up menus' windows, and for tests that show one window list serves every module of
// the process. Destroyed with DestroyWindow.
HWND makeHostWindow(const RECT& rect);

} // namespace hostext
