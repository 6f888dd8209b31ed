#pragma once

// The fixture of the toolbox's graphics and input tests: the window fixture's reset screen, manual clock
// and counts, the toolbox's menus and screens as at the start, and besides them no port, region, pixel
// pattern, picture, text-edit record, menu or control left behind. Offscreen ports come from `offscreen`,
// which disposes of them at the end.

#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_extension_control.h"
#include "hostlibs/extension/host_graphics.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_test.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kravo::test {

class ToolboxTest : public WindowTest {
protected:
    static constexpr COLORREF kWhite = RGB(255, 255, 255);
    static constexpr COLORREF kBlack = RGB(0, 0, 0);

    void SetUp() override
    {
        WindowTest::SetUp();
        hostext::resetMenus();
        startCounts_ = counts();
    }

    void TearDown() override
    {
        HostExtSetPort(nullptr);
        for (HostPort port : ports_)
            HostExtDisposePort(port);
        EXPECT_EQ(counts(), startCounts_) << "ports, regions, patterns, pictures, text-edit records, menus or controls "
                                              "were left behind";
        WindowTest::TearDown();
    }

    // A white offscreen port of the bounds, made current.
    HostPort offscreen(HostRect bounds = {0, 0, 16, 16})
    {
        HostPort port = HostExtNewOffscreenPort(&bounds);
        EXPECT_NE(port, nullptr);
        ports_.push_back(port);
        HostExtSetPort(port);
        return port;
    }

    // A port over the window, made current and disposed of at the end.
    HostPort windowPort(HWND window)
    {
        HostPort port = HostExtNewWindowPort(window);
        EXPECT_NE(port, nullptr);
        ports_.push_back(port);
        HostExtSetPort(port);
        return port;
    }

    platform::Image pictureOf(HostPort port)
    {
        const auto picture = hostext::capturePort(port);
        EXPECT_TRUE(picture.has_value());
        return picture ? *picture : platform::Image();
    }

    // The pixels (h, v) of the port that are not the background.
    std::set<std::pair<int, int>> painted(HostPort port, COLORREF background = kWhite)
    {
        const platform::Image picture = pictureOf(port);
        std::set<std::pair<int, int>> found;
        for (int v = 0; v < picture.height(); ++v)
            for (int h = 0; h < picture.width(); ++h)
                if (picture.at(h, v) != background)
                    found.insert({h, v});
        return found;
    }

    // Every pixel of left..right-1 by top..bottom-1, as (h, v).
    static std::set<std::pair<int, int>> block(int top, int left, int bottom, int right)
    {
        std::set<std::pair<int, int>> pixels;
        for (int v = top; v < bottom; ++v)
            for (int h = left; h < right; ++h)
                pixels.insert({h, v});
        return pixels;
    }

private:
    static std::vector<int> counts()
    {
        return {hostext::livePortCount(), hostext::liveRegionCount(), hostext::livePatternCount(),
                hostext::livePictureCount(), hostext::liveTextEditCount(), hostext::liveMenuCount(),
                hostext::liveControlCount()};
    }

    std::vector<int> startCounts_;
    std::vector<HostPort> ports_;
};

// The toolbox fixture with a resource file of the test's own, the current one from `useResourceFile` to the
// end, when the one current before comes back.
class ResourceFileToolboxTest : public ToolboxTest {
protected:
    void TearDown() override
    {
        HostExtCloseResourceFile(file_);
        HostExtUseResourceFile(previous_);
        ToolboxTest::TearDown();
    }

    // Writes the contents to a file of the name in a folder of the test's own, opens it and makes it current.
    void useResourceFile(const std::string& name, const std::string& contents)
    {
        folder_.writeFile(name, contents);
        previous_ = HostExtCurrentResourceFile();
        file_ = HostExtOpenResourceFile((folder_ / name).c_str(), nullptr);
        ASSERT_GT(file_, 0);
        HostExtUseResourceFile(file_);
    }

private:
    TempFolder folder_;
    std::int16_t previous_ = 0;
    std::int16_t file_ = 0;
};

// The bytes of a resource's big-endian word, as the toolbox's resource files hold them.
inline std::string bigEndian(std::uint32_t value, int bytes)
{
    std::string out;
    for (int n = bytes - 1; n >= 0; --n)
        out += static_cast<char>((value >> (8 * n)) & 0xFF);
    return out;
}

} // namespace kravo::test
