#pragma once

// Message boxes that never block. Answers come first from platform::scriptMessageBoxAnswers(), then from
// the environment variable KRAVO_MESSAGEBOX_ANSWERS ("yes,no,ok,cancel" in the order the boxes appear),
// one per box. Without an answer the box prints its caption and text to stderr and returns its default
// button; an answer naming a button the box does not have also gives the default button.

#include "platform/win_types.h"

#include <string>
#include <vector>

inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_OKCANCEL = 0x1;
inline constexpr UINT MB_YESNO = 0x4;
inline constexpr UINT MB_DEFBUTTON2 = 0x100;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

namespace platform {

struct MessageBoxCall {
    std::string text;
    std::string caption;
    UINT type = 0;
    int answer = 0;
};

// Queues answers: a comma-separated list of "ok", "cancel", "yes", "no" (any case); unknown words are skipped.
void scriptMessageBoxAnswers(const std::string& answers);
std::vector<MessageBoxCall> recordedMessageBoxes();
// Forgets queued answers and recorded calls; the environment's answers are read again at the next box.
void resetMessageBoxes();

} // namespace platform
