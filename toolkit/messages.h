#pragma once

// The messages views send each other with notify. A message is recognised by its address, not by its
// characters: compare with ==, never with strcmp.

namespace Toolkit {

// Answered with 1 by view containers.
extern const char kMsgCheckIfViewContainer[];
// Sent by a text edit to its container (or the frame) when its edit has ended.
extern const char kMsgLooseFocus[];

} // namespace Toolkit
