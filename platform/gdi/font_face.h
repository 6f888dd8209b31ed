#pragma once

// A font file at one size, found through fontconfig and drawn by FreeType, with its glyphs kept once
// rendered. Shared by the drawing stand-in's units only; FreeType and fontconfig stay behind it.

#include "platform/gdi/text.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

struct FT_FaceRec_;

namespace platform::gdi {

struct Glyph {
    // Offset of the coverage's top-left corner from the pen position on the baseline; y grows upwards.
    int left = 0;
    int top = 0;
    int width = 0;
    int rows = 0;
    // 0 (not covered) to 255, row by row.
    std::vector<std::uint8_t> coverage;
    // Whole pixels, so that text measures the same whichever way it is drawn.
    int advance = 0;
};

struct FontMetrics {
    // From the face's Windows metrics, in whole pixels.
    int ascent = 0;
    int descent = 0;
    int characterHeight = 0;
    // The space the face wants between lines besides its cell, as Windows reckons it.
    int externalLeading = 0;
    int averageCharWidth = 0;
    int maxCharWidth = 0;
    // Pixels below the baseline, and thickness.
    int underlineOffset = 0;
    int underlineThickness = 0;
};

class FontFace {
public:
    // The face that best matches the description, shared by every font that asks for the same file at
    // the same size; null when none can be loaded.
    static std::shared_ptr<FontFace> match(const LOGFONTA& description);

    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    const FontMetrics& metrics() const { return metrics_; }
    // The glyph of an ISO 8859-1 character, anti-aliased or bilevel.
    const Glyph& glyph(unsigned char character, bool antialiased);

private:
    struct Library;
    struct Registry;
    FontFace(std::shared_ptr<Library> library, FT_FaceRec_* face, int characterHeight);
    Glyph render(unsigned char character, bool antialiased) const;

    std::shared_ptr<Library> library_;
    FT_FaceRec_* face_;
    FontMetrics metrics_;
    std::array<std::optional<Glyph>, 256> antialiasedGlyphs_;
    std::array<std::optional<Glyph>, 256> bilevelGlyphs_;
};

} // namespace platform::gdi
