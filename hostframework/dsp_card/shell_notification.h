#pragma once

// The shell notification: when the host asks for it (its capability 'PEN '), the shell callbacks
// tell the notification routine what they hand out and do, and answer what it answers.

#include <cstdint>

struct SShellNotification {
    std::int32_t version;
    std::int32_t kind;
    // A selector and its handler, or a DSP and its client.
    std::intptr_t first;
    std::intptr_t second;
};

inline constexpr std::int32_t kNotifiedHandler = 0;
inline constexpr std::int32_t kNotifiedShellInit = 1;
inline constexpr std::int32_t kNotifiedShellPause = 2;

// Asks the host; every DSP object asks again when it is made.
void UpdateShellNotification();
bool IsShellNotificationOn();
// 0 lets the callback go on; nothing in this library holds a callback back, so every record is let through.
std::int16_t NotifyShell(const SShellNotification& record);
