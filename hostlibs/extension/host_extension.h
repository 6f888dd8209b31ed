#pragma once

// The host toolbox library (HOSTEXT.DLL) as the plug-in imports it. The host numbers its routines;
// these are our names for the ones the plug-in calls.

#include "hostlibs/extension/host_graphics_types.h"

#include <cstdint>

extern "C" {

// Called by the host's resource loader for every resource it loads from the file.
using ResourceByteOrderProc = std::int32_t (*)(std::intptr_t context, std::uint32_t type, std::int32_t index,
                                               void* data);

// Host resource files. Opening a path already open answers its number again; a file that cannot be
// read, or is not a resource file, answers a number of 0 or below. Closing by number undoes one open;
// releasing by path drops the file whatever its opens. Resources are looked for in the current file and
// come as handles holding copies, counted from 1 within their type.
std::int16_t HostExtOpenResourceFile(const char* path, ResourceByteOrderProc byteOrder);
void HostExtReleaseResourceFile(const char* path);
std::int16_t HostExtCurrentResourceFile();
void HostExtUseResourceFile(std::int16_t file);
void HostExtCloseResourceFile(std::int16_t file);
// The name is length-prefixed and compared without case.
char** HostExtGetNamedResource(std::uint32_t type, const std::uint8_t* name);
char** HostExtGetIndexedResource(std::uint32_t type, std::int16_t index);
char** HostExtGetResource(std::uint32_t type, std::int16_t id);
std::int16_t HostExtCountResources(std::uint32_t type);
void HostExtGetResourceInfo(char** resource, std::int16_t* id, std::uint32_t* type, std::uint8_t* name);
void HostExtReleaseResource(char** resource);
// The handle stays the caller's as a plain memory handle.
void HostExtDetachResource(char** resource);
// Text `index` (from 1) of the current file's string list `listID`, length-prefixed into `text` (256
// bytes); the empty text for any other index or when there is no such list.
void HostExtGetIndexedString(std::uint8_t* text, std::int32_t listID, std::int32_t index);

// Memory handles: a handle points at the pointer to its block. Null when the block cannot be had.
using HostHandle = char**;
HostHandle HostExtNewHandle(std::int32_t size);
void HostExtLockHandle(HostHandle handle);
void HostExtUnlockHandle(HostHandle handle);
std::int32_t HostExtGetHandleSize(HostHandle handle);
void HostExtDisposeHandle(HostHandle handle);

// The clipboard: a new handle holding a copy of its data of that type ('TEXT' is the one it holds), null
// when it holds none.
HostHandle HostExtGetScrap(std::uint32_t type);

// The state of the keyboard: 128 keys, one bit each, key k at bit (k mod 8) of byte (k div 8). The
// modifier keys held: Shift is key 0x38, Alt (the option key) 0x3A and Ctrl (the command key) 0x37.
void HostExtGetKeys(std::uint8_t keys[16]);

// The mouse: where it is, in the current port's local coordinates (the screen's without a port); whether
// its button is held; and whether it is still held, no release of it having come yet.
void HostExtGetMouse(HostPoint* point);
bool HostExtButton();
bool HostExtStillDown();

// An event record of the kind and message, made now: the tick count, the mouse on the screen, and the
// modifier keys held (0x0100 the command key, 0x0200 Shift, 0x0800 the option key).
void HostExtMakeEventRecord(std::int16_t what, std::int32_t message, HostEventRecord* event);

// The host's ticks, one a millisecond of the system's tick count; waiting lets that many pass and answers
// the tick count after them.
std::uint32_t HostExtTickCount();
std::uint32_t HostExtDelay(std::uint32_t ticks);

// A 64-bit counter that runs while the host runs.
std::uint64_t HostExtReadTimeCounter();

// Texts with a length byte in front ("length-prefixed"), at most 255 characters.
void HostExtNumberToText(std::int32_t number, std::uint8_t* text);
void HostExtTextToLengthPrefixed(const char* text, std::uint8_t* out);
void HostExtLengthPrefixedToText(const std::uint8_t* text, char* out);
// Whether two length-prefixed texts are the same, character by character: case and diacritics count.
// A null text equals nothing, not even another null.
bool HostExtEqualString(const std::uint8_t* a, const std::uint8_t* b);

// A 16.16 fixed-point number (the integer part in the high 16 bits) as a floating-point one.
double HostExtFixedToDouble(std::int32_t value);

// Lets the host run its own work for a while; the result is written to *out.
void HostExtWaitForHost(std::int32_t flags, std::int32_t* out);

// A message to the host's debugger, length-prefixed.
void HostExtDebugMessage(const std::uint8_t* text);

} // extern "C"
