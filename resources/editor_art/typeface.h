#pragma once

// The editor's one typeface, regular and bold, found through fontconfig under the name the toolkit's
// fonts ask for, so that the art's lettering matches the text the editor draws. Drawn by FreeType.

#include "resources/editor_art/canvas.h"

#include <cstdint>
#include <string_view>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace editor_art {

enum class Weight { regular, bold };
enum class Align { left, centre, right };

struct TextStyle {
    // The em in pixels.
    int size;
    Weight weight;
    Colour colour;
};

// One character's coverage, 0..255 row by row; left and top place it from the pen on the baseline.
struct Ink {
    int left = 0;
    int top = 0;
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> coverage;
};

class Typeface {
public:
    // Fails (std::runtime_error) when FreeType or the face cannot be loaded.
    Typeface();
    ~Typeface();
    Typeface(const Typeface&) = delete;
    Typeface& operator=(const Typeface&) = delete;

    int width(const TextStyle& style, std::string_view text);
    // From x (left, centre or right of the text) on the baseline.
    void draw(Canvas& canvas, const TextStyle& style, float x, int baseline, std::string_view text,
        Align align = Align::left);
    // A character squeezed across by a factor up to 1, for the bitmap fonts.
    Ink ink(Weight weight, int size, char character, float squeeze);

private:
    FT_FaceRec_* face(Weight weight, int size);

    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* regular_ = nullptr;
    FT_FaceRec_* bold_ = nullptr;
};

} // namespace editor_art
