#pragma once

// The pattern grid: the sixteen steps of one pattern, either every field of one track (edit view) or
// the steps of all four tracks (overview). It keeps no values: every draw and edit reads and writes the
// pattern's parameters through the plug-in object, which answers the locked copy while the patterns are
// locked and refuses edits then. The right button opens the pattern menu.

#include "toolkit/control.h"

#include <cstdint>

class APlugin;

class PatternGrid : public Toolkit::CControl {
public:
    // A row of step numbers, seven field rows and one spare; sixteen steps.
    static constexpr std::int32_t kRowCount = 9;
    static constexpr std::int32_t kColumnCount = 16;
    static constexpr std::int32_t kHeaderHeight = 14;
    static constexpr float kOverviewRowPitch = 27.0f;

    PatternGrid(const Toolkit::CRect& size, Toolkit::CControlListener* listener);

    void setPattern(std::int32_t newPattern) { pattern = newPattern; }
    void setTrack(std::int32_t newTrack) { track = newTrack; }
    void setCurrentStep(std::int32_t step) { currentStep = step; }
    // 0 the edit view of one track, 1 the overview of four.
    void setView(std::uint8_t newView) { view = newView; }
    std::int32_t getPattern() const { return pattern; }
    std::int32_t getTrack() const { return track; }
    std::int32_t getCurrentStep() const { return currentStep; }
    std::uint8_t getView() const { return view; }

    void draw(Toolkit::CDrawContext* context) override;
    void mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons) override;
    // The pop-up of pattern commands and track bypasses, at the point in the grid's coordinates.
    void showPatternMenu(Toolkit::CDrawContext* context, const Toolkit::CPoint& where);

    // The text a field row shows for a value: 1 velocity, 2 pan, 3 pitch, 5 length, 6 offset, 7 the
    // modulation value; empty for the rows that show images.
    static void fieldText(std::int32_t row, float value, char* text, std::size_t size);

private:
    APlugin* editorPlugin();
    float readPatternParameter(std::int32_t index);
    void writePatternParameter(std::int32_t index, float value);
    float readPatternStepValue(std::int32_t base, std::int32_t step);
    float readTrackStepValue(std::int32_t base, std::int32_t trackIndex, std::int32_t step);
    bool isTrackStepSet(std::int32_t base, std::int32_t trackIndex, std::int32_t step);
    void toggleTrackStep(std::int32_t base, std::int32_t trackIndex, std::int32_t step);
    void resetStepField(std::int32_t row, std::int32_t trackIndex, std::int32_t step);
    void drawEditView(Toolkit::CDrawContext* context, std::int32_t first, std::int32_t count, const bool* bypassed);
    void drawOverview(Toolkit::CDrawContext* context, std::int32_t first, std::int32_t count, const bool* bypassed);
    void drawHeader(Toolkit::CDrawContext* context, std::int32_t column, std::int32_t top);
    void drawImage(Toolkit::CDrawContext* context, std::int32_t id, const Toolkit::CRect& rect,
                   const Toolkit::CPoint& from);
    void dragValue(Toolkit::CDrawContext* context, std::int32_t row, std::int32_t column, std::int32_t buttons);
    void runMenuChoice(std::int32_t choice, const float* bypass);

    APlugin* plugin = nullptr;
    std::int32_t width;
    std::int32_t height;
    std::int32_t left;
    std::int32_t top;
    float columnWidth;
    float rowHeight;
    std::int32_t pattern = 0;
    std::int32_t currentStep = 0;
    std::int32_t track = 0;
    std::uint8_t view = 0;
};
