#pragma once

// Liberation Sans measured by FreeType itself, to check the toolbox's text against: the face fontconfig
// finds for a pattern, at a number of pixels per em.

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>

namespace kravo::test {

struct GlyphBox {
    int left;
    int top;
    int width;
    int rows;
};

class FreeTypeReference {
public:
    FreeTypeReference(const char* pattern, int pixels)
    {
        // A configuration of its own, not fontconfig's default, which would stay allocated to the end.
        FcConfig* configuration = FcInitLoadConfigAndFonts();
        FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
        FcConfigSubstitute(configuration, wanted, FcMatchPattern);
        FcDefaultSubstitute(wanted);
        FcResult result = FcResultNoMatch;
        FcPattern* found = FcFontMatch(configuration, wanted, &result);
        FcPatternDestroy(wanted);
        FcChar8* file = nullptr;
        int index = 0;
        if (found != nullptr && FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch) {
            FcPatternGetInteger(found, FC_INDEX, 0, &index);
            path_ = reinterpret_cast<const char*>(file);
        }
        if (found != nullptr)
            FcPatternDestroy(found);
        FcConfigDestroy(configuration);
        EXPECT_EQ(FT_Init_FreeType(&library_), 0);
        EXPECT_EQ(FT_New_Face(library_, path_.c_str(), index, &face_), 0) << path_;
        FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixels));
        pixels_ = pixels;
    }
    ~FreeTypeReference()
    {
        FT_Done_Face(face_);
        FT_Done_FreeType(library_);
    }
    FreeTypeReference(const FreeTypeReference&) = delete;
    FreeTypeReference& operator=(const FreeTypeReference&) = delete;

    const std::string& file() const { return path_; }

    // The advance of each character to the nearest whole pixel, summed.
    int width(std::string_view text) const
    {
        int sum = 0;
        for (const char character : text) {
            FT_Load_Char(face_, static_cast<unsigned char>(character), FT_LOAD_TARGET_LIGHT);
            sum += static_cast<int>((face_->glyph->linearHoriAdvance + 0x8000) >> 16);
        }
        return sum;
    }

    // Where the bilevel glyph's pixels lie from the pen on the baseline, y upwards.
    GlyphBox glyphBox(char character) const
    {
        FT_Load_Char(face_, static_cast<unsigned char>(character), FT_LOAD_RENDER | FT_LOAD_TARGET_MONO);
        const FT_GlyphSlot slot = face_->glyph;
        return {slot->bitmap_left, slot->bitmap_top, static_cast<int>(slot->bitmap.width),
                static_cast<int>(slot->bitmap.rows)};
    }

    // The Windows ascent and descent, and the horizontal header's line gap, in pixels.
    int ascent() const { return scaled(os2()->usWinAscent); }
    int descent() const { return scaled(os2()->usWinDescent); }
    int lineGap() const
    {
        return scaled(static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face_, FT_SFNT_HHEA))->Line_Gap);
    }

private:
    const TT_OS2* os2() const { return static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2)); }
    int scaled(long units) const
    {
        return static_cast<int>(std::lround(static_cast<double>(units) * pixels_ / face_->units_per_EM));
    }

    std::string path_;
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
    int pixels_ = 0;
};

} // namespace kravo::test
