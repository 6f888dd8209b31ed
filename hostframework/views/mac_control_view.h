#pragma once

// Views that put one of the host's system controls into the view tree: a push button ("Button"), a
// check box ("CheckBox") or a radio button ("RadioButton"), described with a title, a minimum, a
// maximum and a value: "!CheckBox[(id …)(\"Box\" 0 1 1)]"; or a control stored in the plug-in's
// resource file. The control exists while the view has a port; the first draw after it was made shows
// it. They are plain interface elements, bound to no process control.

#include "hostframework/views/custom_view.h"
#include "hostlibs/extension/host_controls.h"

#include <cstdint>
#include <string_view>

class CMacControlView : public CCustomView {
public:
    ~CMacControlView() override;

    // With a port the control is made (-7053 when the host makes none); without one it goes.
    void SetPort(HostPort port) override;
    void OffsetBy(std::int16_t dh, std::int16_t dv) override;
    void DrawSelf(const HostRect& area) override;
    void Click(const HostEventRecord* event) override;
    // A second group of exactly a string and three numbers: -7053 for one missing, -7400 for one of
    // another kind or one more.
    void ReadDescription(SParseState& state) override;

    // The kind of system control; this class has none (-7400).
    virtual std::int16_t GetControlKind();
    virtual HostControl CreateControl();

    std::int16_t GetMinimum() const { return minimum; }
    void SetMinimum(std::int16_t value) { minimum = value; }
    std::int16_t GetMaximum() const { return maximum; }
    void SetMaximum(std::int16_t value) { maximum = value; }
    std::int16_t GetValue() const { return value; }
    void SetValue(std::int16_t newValue) { value = newValue; }
    // Cut at 255 characters.
    void SetTitle(std::string_view text);
    const std::uint8_t* GetTitle() const { return title; }
    HostControl GetControl() const { return control; }

protected:
    std::int16_t minimum = 0;
    std::int16_t maximum = 1;
    std::int16_t value = 0;

private:
    HostControl control = nullptr;
    std::uint8_t title[256]{};
    bool showOnNextDraw = true;
};

class CButtonView : public CMacControlView {
public:
    std::int16_t GetControlKind() override { return kHostPushButton; }
};

class CCheckBoxView : public CMacControlView {
public:
    std::int16_t GetControlKind() override { return kHostCheckBox; }
};

class CRadioButtonView : public CMacControlView {
public:
    std::int16_t GetControlKind() override { return kHostRadioButton; }
};

// A control of the plug-in's resource file, placed with its top-left at the view's and giving the
// view its size.
class CResControlView : public CMacControlView {
public:
    CResControlView();

    // -7400 without a resource id; -7053 when the resource file holds no such control.
    HostControl CreateControl() override;

    void SetResourceID(std::int16_t id) { resourceID = id; }
    std::int16_t GetResourceID() const { return resourceID; }

private:
    std::int16_t resourceID = -1;
};

// The creators of "Button", "CheckBox" and "RadioButton" views; null when there is no memory for one.
CCustomView* NewButtonView();
CCustomView* NewCheckBoxView();
CCustomView* NewRadioButtonView();
