#include "platform/gdi/font_face.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <tuple>

namespace platform::gdi {

struct FontFace::Library {
    FT_Library freeType = nullptr;
    FcConfig* configuration = nullptr;

    Library()
    {
        if (FT_Init_FreeType(&freeType) != 0)
            freeType = nullptr;
        configuration = FcInitLoadConfigAndFonts();
    }
    ~Library()
    {
        if (freeType != nullptr)
            FT_Done_FreeType(freeType);
        if (configuration != nullptr)
            FcConfigDestroy(configuration);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
};

// Faces are kept for the life of the program: the editor asks for a handful, again and again. Each face
// holds the library, so that whichever goes last at exit, FreeType outlives its faces.
struct FontFace::Registry {
    std::shared_ptr<Library> library;
    // By file, face index and the height asked for.
    std::map<std::tuple<std::string, int, LONG>, std::shared_ptr<FontFace>> faces;
};

namespace {

constexpr int kDefaultCharacterHeight = 12;
constexpr std::int64_t kLargestCharacterHeight = 1000;

// value × height / unitsPerEm to the nearest pixel, halves away from zero.
int scaleToPixels(std::int64_t value, int characterHeight, int unitsPerEm)
{
    const std::int64_t product = value * characterHeight;
    const std::int64_t half = unitsPerEm / 2;
    return static_cast<int>(product >= 0 ? (product + half) / unitsPerEm : -((-product + half) / unitsPerEm));
}

// The face's Windows ascent and descent in font units, or its own when it has no Windows metrics.
std::pair<std::int64_t, std::int64_t> windowsExtent(FT_Face face)
{
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0)
        return {os2->usWinAscent, os2->usWinDescent};
    return {face->ascender, -std::int64_t{face->descender}};
}

// A negative height asks for the character height, a positive one for the cell (ascent + descent).
int characterHeightFor(LONG height, FT_Face face)
{
    std::int64_t pixels = kDefaultCharacterHeight;
    if (height < 0) {
        pixels = -std::int64_t{height};
    } else if (height > 0) {
        const auto [ascent, descent] = windowsExtent(face);
        const std::int64_t cell = std::max<std::int64_t>(ascent + descent, 1);
        pixels = (height * std::int64_t{face->units_per_EM} + cell / 2) / cell;
    }
    return static_cast<int>(std::clamp<std::int64_t>(pixels, 1, kLargestCharacterHeight));
}

std::optional<std::pair<std::string, int>> matchingFile(FcConfig* configuration, const LOGFONTA& description)
{
    char name[LF_FACESIZE + 1] = {};
    std::memcpy(name, description.faceName, LF_FACESIZE);
    FcPattern* pattern = FcPatternCreate();
    if (name[0] != '\0')
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name));
    const int weight = description.weight <= 0 ? FW_NORMAL : std::min<int>(description.weight, 1000);
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern, FC_SLANT, description.italic != 0 ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(configuration, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(configuration, pattern, &result);
    FcPatternDestroy(pattern);
    if (found == nullptr)
        return std::nullopt;
    FcChar8* file = nullptr;
    int index = 0;
    std::optional<std::pair<std::string, int>> match;
    if (FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch) {
        FcPatternGetInteger(found, FC_INDEX, 0, &index);
        match.emplace(reinterpret_cast<const char*>(file), index);
    }
    FcPatternDestroy(found);
    return match;
}

// The horizontal header's line gap, less what the Windows cell already holds beyond the horizontal
// header's own ascent and descent; never below 0.
std::int64_t externalLeading(FT_Face face)
{
    const auto* header = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    if (header == nullptr)
        return 0;
    const auto [ascent, descent] = windowsExtent(face);
    const std::int64_t beyond = (ascent + descent) - (std::int64_t{header->Ascender} - header->Descender);
    return std::max<std::int64_t>(0, header->Line_Gap - beyond);
}

} // namespace

std::shared_ptr<FontFace> FontFace::match(const LOGFONTA& description)
{
    static Registry registry;
    if (!registry.library)
        registry.library = std::make_shared<Library>();
    Library& library = *registry.library;
    if (library.freeType == nullptr || library.configuration == nullptr)
        return nullptr;
    const auto file = matchingFile(library.configuration, description);
    if (!file)
        return nullptr;
    const auto key = std::make_tuple(file->first, file->second, description.height);
    if (const auto known = registry.faces.find(key); known != registry.faces.end())
        return known->second;
    FT_Face face = nullptr;
    if (FT_New_Face(library.freeType, file->first.c_str(), file->second, &face) != 0)
        return nullptr;
    const int characterHeight = face->units_per_EM != 0 ? characterHeightFor(description.height, face) : 0;
    if (characterHeight == 0 || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(characterHeight)) != 0) {
        FT_Done_Face(face);
        return nullptr;
    }
    std::shared_ptr<FontFace> matched(new FontFace(registry.library, face, characterHeight));
    registry.faces.emplace(key, matched);
    return matched;
}

FontFace::FontFace(std::shared_ptr<Library> library, FT_FaceRec_* face, int characterHeight) :
    library_(std::move(library)), face_(face)
{
    const int unitsPerEm = face->units_per_EM;
    const auto scale = [&](std::int64_t value) { return scaleToPixels(value, characterHeight, unitsPerEm); };
    const auto [ascent, descent] = windowsExtent(face);
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    metrics_.ascent = scale(ascent);
    metrics_.descent = scale(descent);
    metrics_.characterHeight = characterHeight;
    metrics_.externalLeading = scale(externalLeading(face));
    metrics_.maxCharWidth = scale(face->max_advance_width);
    metrics_.averageCharWidth =
        os2 != nullptr && os2->version != 0xFFFF ? scale(os2->xAvgCharWidth) : glyph('x', true).advance;
    metrics_.underlineThickness = std::max(1, scale(face->underline_thickness));
    // FreeType gives the middle of the stroke, upwards from the baseline.
    metrics_.underlineOffset =
        std::max(1, scale(-std::int64_t{face->underline_position}) - metrics_.underlineThickness / 2);
}

FontFace::~FontFace()
{
    FT_Done_Face(face_);
}

const Glyph& FontFace::glyph(unsigned char character, bool antialiased)
{
    std::optional<Glyph>& kept = (antialiased ? antialiasedGlyphs_ : bilevelGlyphs_)[character];
    if (!kept)
        kept = render(character, antialiased);
    return *kept;
}

Glyph FontFace::render(unsigned char character, bool antialiased) const
{
    // Light hinting keeps the outlines' horizontal placement, so anti-aliased text keeps the face's spacing.
    const FT_Int32 flags = FT_LOAD_RENDER | (antialiased ? FT_LOAD_TARGET_LIGHT : FT_LOAD_TARGET_MONO);
    Glyph glyph;
    if (FT_Load_Char(face_, character, flags) != 0)
        return glyph;
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.advance = static_cast<int>((slot->linearHoriAdvance + 0x8000) >> 16);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.rows));
    for (int y = 0; y < glyph.rows; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < glyph.width; ++x) {
            const bool bilevel = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
            const std::uint8_t value = bilevel ? (((row[x / 8] >> (7 - x % 8)) & 1) != 0 ? 255 : 0) : row[x];
            glyph.coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(glyph.width) +
                static_cast<std::size_t>(x)] = value;
        }
    }
    return glyph;
}

} // namespace platform::gdi
