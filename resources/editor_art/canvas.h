#pragma once

// An 8-bit RGBA picture (straight alpha) and the few anti-aliased shapes the editor's art is made of.
// Every shape is a signed distance: a pixel is covered by how far its centre lies inside the edge, so
// edges are smooth without any sampling pattern, and the same calls give the same pixels every run.

#include <cstdint>
#include <vector>

namespace editor_art {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

// The colour with its alpha scaled by a factor 0..1.
Colour faded(Colour colour, float opacity);
// The colour a fraction 0..1 of the way to another.
Colour mixed(Colour from, Colour to, float amount);

struct Box {
    float left;
    float top;
    float right;
    float bottom;
};

class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    Colour pixel(int x, int y) const { return pixels_[index(x, y)]; }
    const std::vector<Colour>& pixels() const { return pixels_; }

    // Source over, the colour's alpha times the coverage 0..1; outside the picture nothing happens.
    void blend(int x, int y, Colour colour, float coverage);
    // Replaces the pixels of a whole-pixel rectangle, transparent colours included.
    void fill(int left, int top, int right, int bottom, Colour colour);

    void fillRoundedBox(Box box, float radius, Colour colour);
    void strokeRoundedBox(Box box, float radius, float lineWidth, Colour colour);
    void fillCircle(float centreX, float centreY, float radius, Colour colour);
    // An arc of a ring, angles in radians clockwise from twelve o'clock, from <= to.
    void strokeArc(float centreX, float centreY, float radius, float lineWidth, float from, float to, Colour colour);
    void line(float x0, float y0, float x1, float y1, float lineWidth, Colour colour);
    void fillTriangle(float x0, float y0, float x1, float y1, float x2, float y2, Colour colour);
    // A vertical gradient between two colours over a box, inside a rounded outline.
    void fillRoundedGradient(Box box, float radius, Colour top, Colour bottom);

    // Composites another picture with its top-left corner at (x, y).
    void draw(const Canvas& source, int x, int y);
    // Copies another picture's pixels as they are, with its top-left corner at (x, y).
    void paste(const Canvas& source, int x, int y);

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
    template <class Distance>
    void cover(Box bounds, Distance distance, Colour colour);

    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

} // namespace editor_art
