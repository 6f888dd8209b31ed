#include "toolkit/png_reader.h"

#include "platform/module_resources.h"
#include "tests/toolkit/support/toolkit_test.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using kravo::test::storedPixel;
using test_images::Picture;
using Toolkit::DecodedPng;
using Toolkit::readPng;
using PngReader = kravo::test::ToolkitTest;

// The resource's bytes in a heap block of exactly their size, so that a read beyond the end is caught
// by the address sanitizer.
class ResourceCopy {
public:
    explicit ResourceCopy(int id)
    {
        HMODULE module = platform::pluginModule();
        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), "PNG");
        const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
        size_ = SizeofResource(module, found);
        EXPECT_NE(bytes, nullptr) << "PNG " << id;
        bytes_ = std::make_unique<unsigned char[]>(size_);
        if (bytes != nullptr)
            std::memcpy(bytes_.get(), bytes, size_);
    }
    std::span<const unsigned char> bytes() const { return {bytes_.get(), size_}; }

private:
    std::unique_ptr<unsigned char[]> bytes_;
    std::size_t size_ = 0;
};

// The decoded bitmap, deleted at the end of the scope.
class Decoded {
public:
    explicit Decoded(int id) : png_(readPng(ResourceCopy(id).bytes())) {}
    ~Decoded()
    {
        if (png_.bitmap != nullptr)
            DeleteObject(png_.bitmap);
    }
    Decoded(const Decoded&) = delete;
    Decoded& operator=(const Decoded&) = delete;

    const DecodedPng& png() const { return png_; }
    // The pixels in memory order: the bottom row first.
    std::vector<std::uint32_t> memory() const
    {
        BITMAP description{};
        GetObjectA(png_.bitmap, sizeof(description), &description);
        const auto* pixels = static_cast<const std::uint32_t*>(description.bits);
        return {pixels, pixels + static_cast<std::size_t>(png_.width) * static_cast<std::size_t>(png_.height)};
    }

private:
    DecodedPng png_;
};

std::uint32_t memoryPixel(const std::vector<std::uint32_t>& memory, const Picture& picture, int x, int y)
{
    return memory[static_cast<std::size_t>((picture.height - 1 - y) * picture.width + x)];
}

TEST_F(PngReader, EveryEncodingComesOutPremultipliedInBlueGreenRedAlphaWithTheTopRowLastInMemory)
{
    for (const Picture& picture : test_images::kPictures) {
        const Decoded decoded(picture.id);
        ASSERT_TRUE(decoded.png().complete) << picture.file;
        ASSERT_EQ(decoded.png().width, picture.width);
        ASSERT_EQ(decoded.png().height, picture.height);
        const std::vector<std::uint32_t> memory = decoded.memory();
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x)
                EXPECT_EQ(memoryPixel(memory, picture, x, y), storedPixel(picture.pixel(x, y)))
                    << picture.file << " at " << x << ", " << y;
    }
}

TEST_F(PngReader, OpaqueRed255IsStoredAs254AndAlphaZeroAsFourZeroBytes)
{
    const Decoded decoded(test_images::kFourByThree.id);
    const std::vector<std::uint32_t> memory = decoded.memory();
    EXPECT_EQ(memoryPixel(memory, test_images::kFourByThree, 0, 0), 0xFFFE0000u);
    EXPECT_EQ(memoryPixel(memory, test_images::kFourByThree, 1, 0), 0u); // (10, 200, 30) with alpha 0
    EXPECT_EQ(memoryPixel(memory, test_images::kFourByThree, 3, 0), 0xFFFEFEFEu);

    const Decoded single(test_images::kSinglePixel.id);
    EXPECT_EQ(single.memory().at(0), storedPixel({200, 100, 50, 255}));
}

TEST_F(PngReader, AnInterlacedCopyDecodesToTheSamePixels)
{
    const Decoded plain(test_images::kPattern.id);
    const Decoded interlaced(test_images::kPatternInterlaced.id);
    ASSERT_TRUE(interlaced.png().complete);
    EXPECT_EQ(interlaced.memory(), plain.memory());
}

TEST_F(PngReader, DamagedFilesAreReportedIncompleteWithoutReadingBeyondTheirBytes)
{
    for (const test_images::DamagedPicture& damaged : test_images::kDamagedPictures) {
        const Decoded decoded(damaged.id);
        EXPECT_FALSE(decoded.png().complete) << damaged.file;
    }
    EXPECT_FALSE(readPng({}).complete);
}

TEST_F(PngReader, AbsurdHeadersAreRefusedBeforeABitmapIsMade)
{
    for (const int id : {124, 125, 126}) {
        const Decoded decoded(id);
        EXPECT_EQ(decoded.png().bitmap, nullptr) << id;
        EXPECT_EQ(decoded.png().width, 0);
    }
}

TEST_F(PngReader, AFileCutInItsDataKeepsTheRowsDecodedBeforeTheCutAndTheRestTransparent)
{
    const Picture& picture = test_images::kPattern;
    const Decoded decoded(test_images::kDamagedPictures[2].id);
    ASSERT_EQ(test_images::kDamagedPictures[2].damage, test_images::Damage::cutInData);
    ASSERT_NE(decoded.png().bitmap, nullptr);
    const std::vector<std::uint32_t> memory = decoded.memory();
    const auto rowMatches = [&](int y, auto expected) {
        for (int x = 0; x < picture.width; ++x)
            if (memoryPixel(memory, picture, x, y) != expected(x))
                return false;
        return true;
    };
    int whole = 0;
    while (whole < picture.height && rowMatches(whole, [&](int x) { return storedPixel(picture.pixel(x, whole)); }))
        ++whole;
    EXPECT_GE(whole, 2);
    EXPECT_LT(whole, picture.height);
    for (int y = whole; y < picture.height; ++y)
        EXPECT_TRUE(rowMatches(y, [](int) { return 0u; })) << "row " << y;
}

} // namespace
