#pragma once

// The view every described view derives from: it reads the first argument group of its description
// (its id, then `plate`, `inversePlate` or a plate style number) and can draw itself as a bevelled
// plate, its background colour and pattern following the plate. All description views share two
// background patterns of the plug-in's resource file, loaded while any of them lives.

#include "hostframework/views/plugin_view.h"

#include <cstdint>

struct SParseState;

class CCustomView : public CPlugInView {
public:
    // Grip flags: ribs across the plate, to show it can be taken hold of.
    static constexpr std::uint16_t kHorizontalRibs = 1;
    static constexpr std::uint16_t kVerticalRibs = 2;

    // Fails with -7400 when a shared pattern is missing and the plug-in's resource file does not open.
    CCustomView();
    ~CCustomView() override;

    // Computes the derived plate styles from the first description view to get a port.
    void SetPort(HostPort port) override;
    void GetBackColor(HostColor* out) override;
    HostPixelPattern GetBackPattern() override;
    void EraseBackground(const HostRect& area) override;

    // Reads the first argument group and moves the state on to the next; -7400 when it does not read.
    virtual void ReadDescription(SParseState& state);
    virtual void SetPlate(bool plate, std::int16_t style, std::uint16_t grips);
    // The style the plate draws in now: 1 while highlighted, the host's highlight colour's, else its own.
    virtual std::int16_t GetPlateStyle();
    virtual void DrawPlate(const HostRect& area);

    bool HasPlate() const { return plate; }
    bool HasInversePlate() const { return inverse; }
    std::int16_t GetOwnPlateStyle() const { return plateStyle; }
    std::uint16_t GetGrips() const { return grips; }

private:
    void LoadMissingPatterns();

    std::int16_t plateStyle = 0;
    bool plate = false;
    bool inverse = false;
    std::uint16_t grips = 0;
};

// The creator of "Background" views; null when there is no memory for one.
CCustomView* NewCustomView();
