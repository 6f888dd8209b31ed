#pragma once

// String and path helpers on zero-terminated byte strings. Those that produce a string write it into the
// caller's buffer; a result that does not fit is refused (false, and the buffer holds "") rather than cut
// into a different name or path.

#include <cstddef>
#include <span>

namespace kravo {

// Size of the path and name buffers the plug-in keeps, in bytes with the terminating zero.
inline constexpr std::size_t kPathBufferSize = 256;

// In place: keeps only the printable bytes 32..126.
void stripControlChars(char* text);

// "01 name" for index 0, "10 name" for index 9: the program menus' entries.
bool numberedName(int index, const char* name, std::span<char> out);

bool toBackslashPath(const char* text, std::span<char> out);

// Position of the last "\", or -1.
int lastBackslash(const char* text);

// The part after the last "\"; the whole text when there is none.
bool fileNameFromPath(const char* path, std::span<char> out);

// The file name without folder and extension. The extension is looked for only in the part after the last
// separator, so a dot in a folder name is not taken for one.
bool fileTitleFromPath(const char* path, std::span<char> out);

// The text without the extension of its last path part.
bool stripExtension(const char* text, std::span<char> out);

// The folder of a path, with its trailing separator; without a separator, the text without its extension.
bool dirFromPath(const char* path, std::span<char> out);

// folder + name + "\".
bool makeDirPath(const char* folder, const char* name, std::span<char> out);

} // namespace kravo
