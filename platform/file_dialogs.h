#pragma once

// Open and save dialogs that never block. Each kind of dialog takes its answers first from
// platform::scriptOpenFileAnswer() / scriptSaveFileAnswer(), then from the environment variable
// KRAVO_OPEN_FILE / KRAVO_SAVE_FILE: paths separated by "|", one per dialog, an empty one cancelling.
// Without an answer the dialog is cancelled.
//
// An answer is a Windows-style path; a bare name is taken in the dialog's initial folder. The save dialog
// appends "." and lpstrDefExt to a name without extension. With OFN_PATHMUSTEXIST an answer whose folder
// does not exist, and with OFN_FILEMUSTEXIST one whose file does not exist, cancels the dialog, as does an
// answer longer than the nMaxFile buffer.

#include "platform/win_types.h"

#include <string>
#include <vector>

inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
inline constexpr DWORD OFN_EXPLORER = 0x00080000;

struct OPENFILENAMEA {
    DWORD lStructSize = 0;
    HWND hwndOwner = nullptr;
    // Pairs of description and pattern, each zero-terminated, the list ended by an empty string.
    LPCSTR lpstrFilter = nullptr;
    DWORD nFilterIndex = 0;
    // In: the initial file name; out: the chosen path.
    LPSTR lpstrFile = nullptr;
    DWORD nMaxFile = 0;
    LPCSTR lpstrInitialDir = nullptr;
    LPCSTR lpstrTitle = nullptr;
    DWORD Flags = 0;
    // Without the dot, e.g. "ecs".
    LPCSTR lpstrDefExt = nullptr;
};

BOOL GetOpenFileNameA(OPENFILENAMEA* dialog);
BOOL GetSaveFileNameA(OPENFILENAMEA* dialog);

namespace platform {

enum class FileDialogKind { open, save };

struct FileDialogCall {
    FileDialogKind kind = FileDialogKind::open;
    std::string title;
    std::string initialFolder;
    std::string initialFile;
    std::vector<std::string> filter;
    std::string defaultExtension;
    DWORD flags = 0;
    // The path handed back, empty when the dialog was cancelled.
    std::string result;
};

// Queues one answer; an empty path cancels that dialog.
void scriptOpenFileAnswer(const std::string& path);
void scriptSaveFileAnswer(const std::string& path);
std::vector<FileDialogCall> recordedFileDialogs();
// Forgets queued answers and recorded calls; the environment's answers are read again at the next dialog.
void resetFileDialogs();

} // namespace platform
