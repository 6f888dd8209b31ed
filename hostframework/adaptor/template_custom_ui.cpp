#include "hostframework/adaptor/template_custom_ui.h"

#include "hostframework/adaptor/host_master_callback.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/last_error.h"
#include "platform/window/cursors.h"
#include "platform/window/painting.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_layout.h"
#include "platform/window/window_lifetime.h"
#include "platform/window/window_procedures.h"
#include "platform/window/window_styles.h"

namespace {

constexpr DWORD kEditorWindowStyle = WS_CHILD | WS_VISIBLE;

// Editor hosts alive in the module: the class is the module's, so only the last one may take it away.
constinit int gEditorHosts = 0;

// One brush for the module's class, never deleted, as the class outlives any one editor host.
HBRUSH blackBrush()
{
    static const HBRUSH brush = platform::createStockBrush(RGB(0, 0, 0));
    return brush;
}

} // namespace

CTemplateCustomUI::CTemplateCustomUI(ITemplateProcess* owner) : ITemplateCustomUI(owner)
{
    if (process != nullptr) {
        moduleHandle = process->GetModuleHandleOfPlugIn();
        pluginRecord = process->GetPluginRecord();
    }
    if (gEditorHosts == 0)
        RegisterWindowClass();
    ++gEditorHosts;
}

CTemplateCustomUI::~CTemplateCustomUI()
{
    Close();
    if (--gEditorHosts == 0)
        UnregisterClassA(kClassName, moduleHandle);
}

void CTemplateCustomUI::RegisterWindowClass()
{
    const WNDCLASSA windowClass{.style = CS_HREDRAW | CS_VREDRAW,
                                .windowProc = &DefWindowProcA,
                                .classExtraBytes = 0,
                                .windowExtraBytes = 0,
                                .instance = moduleHandle,
                                .icon = LoadIconA(nullptr, IDI_APPLICATION),
                                .cursor = LoadCursorA(nullptr, IDC_ARROW),
                                .background = blackBrush(),
                                .menuName = nullptr,
                                .className = kClassName};
    if (RegisterClassA(&windowClass) != 0)
        return;
    const auto error = static_cast<std::int32_t>(GetLastError());
    if (error == ERROR_CLASS_ALREADY_EXISTS)
        return;
    parentWindow = nullptr;
    throw error;
}

PlugIntPtr CTemplateCustomUI::Dispatch(std::int32_t opcode, void* ptr)
{
    return CallPlugInDispatcher(pluginRecord, opcode, 0, 0, ptr, 0.0f);
}

void CTemplateCustomUI::GetRect(std::int32_t* left, std::int32_t* top, std::int32_t* right, std::int32_t* bottom)
{
    ERect* rect = nullptr;
    if (pluginRecord == nullptr || Dispatch(plugEditGetRect, &rect) == 0 || rect == nullptr) {
        *left = *top = *right = *bottom = 0;
        return;
    }
    *left = rect->left;
    *top = rect->top;
    *right = rect->right;
    *bottom = rect->bottom;
}

bool CTemplateCustomUI::Open(HWND parent)
{
    if (open)
        return true;
    if (parent == nullptr)
        return false;
    parentWindow = parent;
    GetRect(&rectLeft, &rectTop, &rectRight, &rectBottom);
    const std::int32_t width = rectRight - rectLeft;
    const std::int32_t height = rectBottom - rectTop;
    RECT client{};
    GetClientRect(parent, &client);
    clientWidth = client.right - client.left;
    heightMargin = client.bottom - client.top - height;
    // Centred across a host window of another width, on its bottom edge.
    const std::int32_t x = clientWidth != width ? (clientWidth - width) / 2 : rectLeft;
    editorWindow = CreateWindowExA(0, kClassName, kWindowTitle, kEditorWindowStyle, x, client.bottom - height, width,
                                   client.top + height, parent, nullptr, moduleHandle, nullptr);
    if (editorWindow == nullptr) {
        // The module handle stays: a later open must find the class under it again.
        parentWindow = nullptr;
        throw static_cast<std::int32_t>(GetLastError());
    }
    if (pluginRecord != nullptr) {
        Dispatch(plugEditOpen, editorWindow);
        Dispatch(plugEditIdle, nullptr);
    }
    ShowWindow(editorWindow, SW_SHOWNORMAL);
    InvalidateRect(editorWindow, nullptr, TRUE);
    UpdateWindow(editorWindow);
    RedrawWindow(editorWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT);
    open = true;
    return true;
}

bool CTemplateCustomUI::Close()
{
    bool destroyed = false;
    if (editorWindow != nullptr) {
        if (open)
            Dispatch(plugEditClose, nullptr);
        destroyed = DestroyWindow(editorWindow) != 0;
        editorWindow = nullptr;
    }
    open = false;
    return destroyed;
}

void CTemplateCustomUI::Idle()
{
    if (open)
        Dispatch(plugEditIdle, nullptr);
}
