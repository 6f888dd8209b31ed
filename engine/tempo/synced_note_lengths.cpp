#include "engine/tempo/synced_note_lengths.h"

namespace tempo {

const std::array<SyncedNoteLength, kSyncedNoteLengthCount> kSyncedNoteLengths = {{
    {"Off", 0.0f},
    {"64", 64.0f},
    {"32/1*", 48.0f},
    {"32", 32.0f},
    {"16/1*", 24.0f},
    {"16/1", 16.0f},
    {"16/1T", 32.0f / 3.0f},
    {"8/1*", 12.0f},
    {"8/1", 8.0f},
    {"8/1T", 16.0f / 3.0f},
    {"4/1*", 6.0f},
    {"4/1", 4.0f},
    {"4/1T", 8.0f / 3.0f},
    {"2/1*", 3.0f},
    {"2/1", 2.0f},
    {"2/1T", 4.0f / 3.0f},
    {"1/1*", 1.5f},
    {"1/1", 1.0f},
    {"1/1T", 2.0f / 3.0f},
    {"1/2*", 0.75f},
    {"1/2", 0.5f},
    {"1/2T", 1.0f / 3.0f},
    {"1/4*", 0.375f},
    {"1/4", 0.25f},
    {"1/4T", 1.0f / 6.0f},
    {"1/8*", 3.0f / 16.0f},
    {"1/8", 1.0f / 8.0f},
    {"1/8T", 1.0f / 12.0f},
    {"1/16*", 3.0f / 32.0f},
    {"1/16", 1.0f / 16.0f},
    {"1/16T", 1.0f / 24.0f},
    {"1/32*", 3.0f / 64.0f},
    {"1/32", 1.0f / 32.0f},
    {"1/32T", 1.0f / 48.0f},
    {"1/64", 1.0f / 64.0f},
}};

int syncedNoteIndex(float speed)
{
    // Slightly below the count so that a speed of 1 lands on the last entry.
    constexpr float kIndexScale = kSyncedNoteLengthCount - 0.01f;
    if (!(speed > 0.0f))
        return 0;
    if (speed >= 1.0f)
        return kSyncedNoteLengthCount - 1;
    return static_cast<int>(speed * kIndexScale);
}

} // namespace tempo
