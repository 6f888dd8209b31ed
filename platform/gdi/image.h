#pragma once

// Pictures of what device contexts hold, for tests: taken from a DC, written as PNG, and compared.

#include "platform/gdi/gdi_types.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class Image {
public:
    Image() = default;
    Image(int width, int height, COLORREF background);

    int width() const { return width_; }
    int height() const { return height_; }
    COLORREF at(int x, int y) const { return pixels_[index(x, y)]; }
    void set(int x, int y, COLORREF colour) { pixels_[index(x, y)] = colour & 0xFFFFFF; }
    // Left..right-1 by top..bottom-1, clipped to the picture.
    void fill(const RECT& area, COLORREF colour);

    friend bool operator==(const Image&, const Image&) = default;

private:
    std::size_t index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

// The DC's pixels in the area (the DC's coordinates), whatever its clip region; a monochrome bitmap's
// pixels come out black and white. Null when the area is empty or leaves the DC's pixels.
std::optional<Image> captureImage(HDC dc, const RECT& area);

// 8-bit RGB. The picture takes the file's place whole: it is written into a hidden temporary file
// beside it and renamed over it when complete, with the older file's permission bits; through a
// symbolic link it replaces the link's target. False when it cannot be written; the temporary file is
// then gone and an older file of that name is left as it was.
bool writePng(const Image& image, const std::filesystem::path& file);

// Empty when the pictures are the same. Otherwise a description naming the first pixel (row by row) that
// differs, or the sizes; the pictures are then saved into the folder as NAME-actual.png,
// NAME-expected.png and NAME-difference.png (differing pixels red, the rest the expected faded).
std::string compareImages(
    const Image& actual, const Image& expected, const std::filesystem::path& folder, const std::string& name);

} // namespace platform
