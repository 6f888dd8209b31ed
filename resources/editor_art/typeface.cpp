#include "resources/editor_art/typeface.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>
#include <string>

namespace editor_art {

namespace {

// The family the toolkit's fonts name; fontconfig resolves it as it does for the editor's own text.
constexpr const char* kFamily = "Arial";

std::string matchingFile(int weight)
{
    FcConfig* configuration = FcInitLoadConfigAndFonts();
    if (configuration == nullptr)
        throw std::runtime_error("fontconfig: no configuration");
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kFamily));
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(configuration, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(configuration, pattern, &result);
    FcPatternDestroy(pattern);
    std::string file;
    FcChar8* path = nullptr;
    if (found != nullptr && FcPatternGetString(found, FC_FILE, 0, &path) == FcResultMatch)
        file = reinterpret_cast<const char*>(path);
    if (found != nullptr)
        FcPatternDestroy(found);
    FcConfigDestroy(configuration);
    if (file.empty())
        throw std::runtime_error(std::string("fontconfig: no face for ") + kFamily);
    return file;
}

FT_Face loadFace(FT_Library library, int weight)
{
    const std::string file = matchingFile(weight);
    FT_Face face = nullptr;
    if (FT_New_Face(library, file.c_str(), 0, &face) != 0)
        throw std::runtime_error("FreeType cannot load " + file);
    return face;
}

const FT_GlyphSlot& rendered(FT_Face face, char character)
{
    if (FT_Load_Char(face, static_cast<unsigned char>(character), FT_LOAD_RENDER) != 0)
        throw std::runtime_error(std::string("FreeType cannot render '") + character + "'");
    return face->glyph;
}

} // namespace

Typeface::Typeface()
{
    if (FT_Init_FreeType(&library_) != 0)
        throw std::runtime_error("FreeType does not start");
    regular_ = loadFace(library_, 400);
    bold_ = loadFace(library_, 700);
}

Typeface::~Typeface()
{
    if (regular_ != nullptr)
        FT_Done_Face(regular_);
    if (bold_ != nullptr)
        FT_Done_Face(bold_);
    FT_Done_FreeType(library_);
}

FT_Face Typeface::face(Weight weight, int size)
{
    FT_Face chosen = weight == Weight::bold ? bold_ : regular_;
    FT_Set_Transform(chosen, nullptr, nullptr);
    if (FT_Set_Pixel_Sizes(chosen, 0, static_cast<FT_UInt>(size)) != 0)
        throw std::runtime_error("FreeType refuses size " + std::to_string(size));
    return chosen;
}

int Typeface::width(const TextStyle& style, std::string_view text)
{
    FT_Face chosen = face(style.weight, style.size);
    int advance = 0;
    for (const char character : text)
        advance += static_cast<int>((rendered(chosen, character)->advance.x + 32) >> 6);
    return advance;
}

void Typeface::draw(Canvas& canvas, const TextStyle& style, float x, int baseline, std::string_view text, Align align)
{
    const int textWidth = width(style, text);
    int pen = static_cast<int>(x) - (align == Align::centre ? textWidth / 2 : align == Align::right ? textWidth : 0);
    FT_Face chosen = face(style.weight, style.size);
    for (const char character : text) {
        const FT_GlyphSlot& slot = rendered(chosen, character);
        const FT_Bitmap& bitmap = slot->bitmap;
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned column = 0; column < bitmap.width; ++column)
                canvas.blend(pen + slot->bitmap_left + static_cast<int>(column),
                    baseline - slot->bitmap_top + static_cast<int>(row), style.colour,
                    bitmap.buffer[row * static_cast<unsigned>(bitmap.pitch) + column] / 255.0f);
        pen += static_cast<int>((slot->advance.x + 32) >> 6);
    }
}

Ink Typeface::ink(Weight weight, int size, char character, float squeeze)
{
    FT_Face chosen = face(weight, size);
    FT_Matrix matrix{static_cast<FT_Fixed>(squeeze * 0x10000), 0, 0, 0x10000};
    FT_Set_Transform(chosen, &matrix, nullptr);
    const FT_GlyphSlot& slot = rendered(chosen, character);
    Ink ink{slot->bitmap_left, slot->bitmap_top, static_cast<int>(slot->bitmap.width),
        static_cast<int>(slot->bitmap.rows), {}};
    for (int row = 0; row < ink.rows; ++row)
        for (int column = 0; column < ink.width; ++column)
            ink.coverage.push_back(slot->bitmap.buffer[row * slot->bitmap.pitch + column]);
    FT_Set_Transform(chosen, nullptr, nullptr);
    return ink;
}

} // namespace editor_art
