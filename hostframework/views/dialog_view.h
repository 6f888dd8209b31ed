#pragma once

// The root view a process shows by default: an item list view sized and filled by a dialog resource
// ('DLOG': its bounds and its item list id), drawn over a background pixel pattern of its own that is
// loaded when the view first gets a port.

#include "hostframework/views/item_list_view.h"

#include <cstdint>

class CDialogView : public CItemListView {
public:
    ~CDialogView() override;

    void SetPort(HostPort port) override;
    HostPixelPattern GetBackPattern() override { return pattern; }
    // Reads the dialog (-7053 when it is missing or too short to hold its item list id); the frame takes
    // its size at (0, 0) and the view takes no clicks of its own. Then the items are built.
    void FinishInitialize() override;

    virtual std::int16_t GetDialogID() { return dialogID; }
    virtual void SetDialogID(std::int16_t id) { dialogID = id; }
    virtual std::int16_t GetPatternID() { return patternID; }
    virtual void SetPatternID(std::int16_t id) { patternID = id; }

private:
    std::int16_t dialogID = 1;
    std::int16_t patternID = 1000;
    HostPixelPattern pattern = nullptr;
};
