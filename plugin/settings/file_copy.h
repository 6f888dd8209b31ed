#pragma once

namespace kravo {

// Copies a file byte for byte, replacing the target. False when the source cannot be read or the target
// cannot be written whole; a source that cannot be opened leaves the target untouched.
bool copyFileStream(const char* sourcePath, const char* targetPath);

} // namespace kravo
