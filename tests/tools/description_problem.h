#pragma once

// Why a text meant as a view description describes no view, in words a person can act on: where its
// reading stops, the view class no one registered, a shape that is no description, or the code its
// view class failed with while reading its argument groups.

#include "hostlibs/extension/host_graphics_types.h"

#include <optional>
#include <string>

// A text is meant as a description when its first character that is no blank is "!".
bool isMeantAsDescription(const std::string& text);

// Nothing when the text, placed in the frame, describes a view. The text is read as a run-time text
// is, "`" standing for '"'; it holds at most 255 characters.
std::optional<std::string> descriptionProblem(const std::string& text, const HostRect& frame);
