#pragma once

// The host toolbox's pictures: 'PICT' resources of the current resource file, whose data is a PNG
// image, drawn scaled into a rectangle of the current port. Host main thread only.

#include "hostlibs/extension/host_graphics_types.h"

#include <cstdint>

extern "C" {

using HostPicture = struct HostPictureRecord*;

// Null when the resource is missing, or is not a whole, sound PNG image of 1 to 4096 pixels a side.
HostPicture HostExtGetPicture(std::int16_t id);
void HostExtReleasePicture(HostPicture picture);
// Each pixel of the rectangle takes the picture's pixel that falls on it (the nearest, scaling down or
// up), blended over the port by its alpha, within the port's clip.
void HostExtDrawPicture(HostPicture picture, const HostRect* frame);

} // extern "C"
