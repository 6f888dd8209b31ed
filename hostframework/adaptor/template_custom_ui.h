#pragma once

// The plug-in's own editor inside the host's window. The host gives its views a graphics port; the
// editor host makes a child window of class "Vexo local" in that port's window, centred across it and
// standing on its bottom edge, and drives the editor through the plug-in's dispatcher: open with the
// window, idle, close. The window class is the module's: the first editor host registers it, the last
// one to go unregisters it.

#include "platform/win_types.h"
#include "plugin/base/plug_types.h"

#include <cstdint>

// What an editor host needs of the process it serves.
class ITemplateProcess {
public:
    virtual HINSTANCE GetModuleHandleOfPlugIn() const = 0;
    // Null when the process has no plug-in object.
    virtual PluginRecord* GetPluginRecord() const = 0;

protected:
    ~ITemplateProcess() = default;
};

class ITemplateCustomUI {
public:
    explicit ITemplateCustomUI(ITemplateProcess* owner) : process(owner) {}
    ITemplateCustomUI(const ITemplateCustomUI&) = delete;
    ITemplateCustomUI& operator=(const ITemplateCustomUI&) = delete;
    virtual ~ITemplateCustomUI() = default;

    // False for a null parent. A window that cannot be made throws its system error code.
    virtual bool Open(HWND parent) = 0;
    // True when a window was destroyed.
    virtual bool Close() = 0;
    virtual std::int32_t ControlChanged(std::int32_t position, std::int32_t value) = 0;
    virtual void Idle() = 0;
    virtual void SetRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) = 0;
    // Zeros when the plug-in reports no editor rectangle.
    virtual void GetRect(std::int32_t* left, std::int32_t* top, std::int32_t* right, std::int32_t* bottom) = 0;

protected:
    ITemplateProcess* process;
};

class CTemplateCustomUI : public ITemplateCustomUI {
public:
    static constexpr const char* kClassName = "Vexo local";
    static constexpr const char* kWindowTitle = "Vexo Editor";

    // Registers the window class when no other editor host of the module has; a registration the
    // system refuses throws its error code.
    explicit CTemplateCustomUI(ITemplateProcess* owner);
    ~CTemplateCustomUI() override;

    bool Open(HWND parent) override;
    bool Close() override;
    std::int32_t ControlChanged(std::int32_t /*position*/, std::int32_t /*value*/) override { return 0; }
    void Idle() override;
    void SetRect(std::int32_t /*left*/, std::int32_t /*top*/, std::int32_t /*right*/, std::int32_t /*bottom*/) override
    {
    }
    void GetRect(std::int32_t* left, std::int32_t* top, std::int32_t* right, std::int32_t* bottom) override;

    HWND GetEditorWindow() const { return editorWindow; }
    bool IsOpen() const { return open; }

private:
    void RegisterWindowClass();
    PlugIntPtr Dispatch(std::int32_t opcode, void* ptr);

    HINSTANCE moduleHandle = nullptr;
    HWND parentWindow = nullptr;
    HWND editorWindow = nullptr;
    std::int32_t rectLeft = 0;
    std::int32_t rectTop = 0;
    std::int32_t rectRight = 0;
    std::int32_t rectBottom = 0;
    std::int32_t heightMargin = 0;
    std::int32_t clientWidth = 0;
    PluginRecord* pluginRecord = nullptr;
    bool open = false;
};
