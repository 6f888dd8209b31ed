#include "platform/gdi/image.h"

#include "platform/gdi/draw_target.h"
#include "platform/replaced_file.h"
#include "platform/temporary_file.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <sstream>
#include <string>

namespace platform {

namespace {

std::string describe(COLORREF colour)
{
    std::ostringstream text;
    text << "(" << (colour & 0xFF) << ", " << ((colour >> 8) & 0xFF) << ", " << ((colour >> 16) & 0xFF) << ")";
    return text.str();
}

// Differing pixels red; the rest a quarter of the expected picture's strength over white, so that the
// red stands out and the place can still be made out.
Image difference(const Image& actual, const Image& expected)
{
    Image shown(expected.width(), expected.height(), RGB(255, 255, 255));
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const COLORREF colour = expected.at(x, y);
            const auto faded = [&](int shift) { return static_cast<BYTE>(191 + ((colour >> shift) & 0xFF) / 4); };
            const bool same = x < actual.width() && y < actual.height() && actual.at(x, y) == colour;
            shown.set(x, y, same ? RGB(faded(0), faded(8), faded(16)) : RGB(255, 0, 0));
        }
    return shown;
}

} // namespace

Image::Image(int width, int height, COLORREF background) :
    width_(std::max(width, 0)),
    height_(std::max(height, 0)),
    pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), background & 0xFFFFFF)
{
}

void Image::fill(const RECT& area, COLORREF colour)
{
    for (LONG y = std::max<LONG>(area.top, 0); y < std::min<LONG>(area.bottom, height_); ++y)
        for (LONG x = std::max<LONG>(area.left, 0); x < std::min<LONG>(area.right, width_); ++x)
            set(x, y, colour);
}

std::optional<Image> captureImage(HDC dc, const RECT& area)
{
    const auto target = gdi::drawTarget(dc, "captureImage");
    if (!target)
        return std::nullopt;
    const RECT pixels = gdi::offsetRect(area, target->origin);
    if (gdi::isEmpty(area) || pixels.left < target->bounds.left || pixels.top < target->bounds.top ||
        pixels.right > target->bounds.right || pixels.bottom > target->bounds.bottom)
        return std::nullopt;
    Image image(area.right - area.left, area.bottom - area.top, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.set(
                x, y, gdi::colourOf(target->pixels.at(pixels.left + x, pixels.top + y), target->pixels.monochrome));
    return image;
}

namespace {

// A failure is told by writePng's answer; libpng's own words on stderr would only repeat it.
[[noreturn]] void jumpBack(png_structp png, png_const_charp /*message*/)
{
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp /*png*/, png_const_charp /*message*/) {}

// libpng reports a failed write by jumping back here, as it does any other error; nothing below owns
// anything that needs unwinding.
bool encodePng(const Image& image, std::FILE* out)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, &jumpBack, &ignoreWarning);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    std::vector<png_byte> row(static_cast<std::size_t>(image.width()) * 3);
    if (png == nullptr || info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, out);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()), 8,
        PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const COLORREF colour = image.at(x, y);
            for (int channel = 0; channel < 3; ++channel)
                row[static_cast<std::size_t>(x) * 3 + static_cast<std::size_t>(channel)] =
                    static_cast<png_byte>(colour >> (8 * channel));
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool writePng(const Image& image, const std::filesystem::path& file)
{
    std::error_code error;
    // Through a link, the file it points to is replaced and the link stays.
    const std::filesystem::path target = finalLinkTarget(file, error);
    if (error)
        return false;
    // A device or a pipe in the file's place would itself be replaced by the rename.
    const auto status = std::filesystem::status(target, error);
    if (image.width() == 0 || image.height() == 0 || !target.has_filename() ||
        (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)))
        return false;
    const TemporaryFile temporary = createTemporaryBeside(target);
    if (temporary.file == nullptr)
        return false;
    const bool encoded =
        encodePng(image, temporary.file) && std::fflush(temporary.file) == 0 && std::ferror(temporary.file) == 0;
    const bool written = std::fclose(temporary.file) == 0 && encoded;
    std::error_code renamed;
    if (written)
        renameKeepingPermissions(temporary.path, target, renamed);
    if (!written || renamed) {
        std::filesystem::remove(temporary.path, error);
        return false;
    }
    return true;
}

std::string compareImages(
    const Image& actual, const Image& expected, const std::filesystem::path& folder, const std::string& name)
{
    std::ostringstream report;
    if (actual.width() != expected.width() || actual.height() != expected.height()) {
        report << "picture is " << actual.width() << " x " << actual.height() << ", expected " << expected.width()
               << " x " << expected.height();
    } else {
        for (int y = 0; y < actual.height() && report.tellp() == 0; ++y)
            for (int x = 0; x < actual.width(); ++x)
                if (actual.at(x, y) != expected.at(x, y)) {
                    report << "first difference at pixel (" << x << ", " << y << "): " << describe(actual.at(x, y))
                           << ", expected " << describe(expected.at(x, y));
                    break;
                }
    }
    if (report.tellp() == 0)
        return {};
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const bool saved = writePng(actual, folder / (name + "-actual.png")) &&
        writePng(expected, folder / (name + "-expected.png")) &&
        writePng(difference(actual, expected), folder / (name + "-difference.png"));
    report << (saved ? "; pictures saved in " : "; pictures could not be saved in ") << folder.string() << " as "
           << name << "-{actual,expected,difference}.png";
    return report.str();
}

} // namespace platform
