#pragma once

// The modal questions the plug-in puts to the user: plain message boxes and the open and save dialogs.

#include <cstdint>
#include <span>

namespace kravo {

// A message box with no owner and an empty caption, the second button the default; 1 when the user
// answered Yes, 2 for every other answer. Style 0 is a notice with one OK button.
int askUser(const char* text, std::uint32_t style);

// An open dialog for files matching pattern ("*.ext"), starting in initialFolder with initialFile
// preselected ("!" for none). Chosen: outPath is the full path and outFolder its folder. Cancelled (or a
// path that does not fit the buffers): outPath is "" and outFolder is left as it was. The label names the
// kind of file for the caller's reading; the dialog shows only the title.
void openFileDialog(const char* title, const char* initialFolder, const char* label, const char* pattern,
                    const char* initialFile, std::span<char> outFolder, std::span<char> outPath);

// A save dialog offering suggestedName ("name.ext"; a pattern starting with "*" leaves the name field empty).
// It asks before overwriting, and a name typed without extension gets the suggested one. Results as above.
void saveFileDialog(const char* title, const char* initialFolder, const char* label, const char* suggestedName,
                    std::span<char> outFolder, std::span<char> outPath);

} // namespace kravo
