// kravo-views: builds view descriptions on an offscreen port and writes the picture, for a person to
// look at how views draw. Each text becomes a child of a root without resources the size of the
// picture, as a run-time text does: a text that is no description shows as static text;
// the views library runs in process with a group that only lets the host run, reading the plug-in's
// resource file or the one given.
//
//   kravo-views --png FILE [--size W×H] [--rsr FILE] [--tree] "H,V,W,H[,GRIPS]:TEXT"...
//
// H,V is the view's top-left corner, W,H its size; GRIPS, when given, sets the plate's grip ribs
// (1 horizontal, 2 vertical, 3 both), which no description can ask for. --tree prints each view built:
// its class, id, frame (top, left, bottom, right) and whether it is enabled.

#include "hostframework/plugin_library.h"
#include "hostframework/process_group_interface.h"
#include "hostframework/views/custom_view.h"
#include "hostframework/views/no_resource_view.h"
#include "hostlibs/extension/host_extension_control.h"
#include "hostlibs/extension/host_graphics.h"
#include "platform/gdi/image.h"
#include "platform/module_loading.h"
#include "platform/window/ui_thread.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

class YieldingGroup : public CProcessGroupInterface {
public:
    std::int32_t HostCall6(std::int32_t, std::uint32_t*, std::uint32_t*, std::uint32_t*) override { return 0; }
};

struct SOptions {
    std::string png;
    int width = 320;
    int height = 240;
    std::string rsr = KRAVO_PLUGIN_RESOURCE_FILE;
    bool tree = false;
    std::vector<std::string> texts;
};

[[noreturn]] void usage(const std::string& problem, const std::string& detail = "")
{
    std::fprintf(stderr, "kravo-views: %s%s\nusage: kravo-views --png FILE [--size W×H] [--rsr FILE] [--tree] "
                         "\"H,V,W,H[,GRIPS]:TEXT\"...\n",
                 problem.c_str(), detail.c_str());
    std::exit(2);
}

bool readSize(const std::string& text, int* width, int* height)
{
    char* rest = nullptr;
    *width = static_cast<int>(std::strtol(text.c_str(), &rest, 10));
    // "×" or "x" between the numbers.
    if (std::strncmp(rest, "\xC3\x97", 2) == 0)
        rest += 2;
    else if (*rest == 'x')
        ++rest;
    else
        return false;
    char* end = nullptr;
    *height = static_cast<int>(std::strtol(rest, &end, 10));
    return *end == '\0' && end != rest && *width > 0 && *height > 0 && *width <= 4096 && *height <= 4096;
}

SOptions readOptions(int argc, char** argv)
{
    SOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto value = [&] {
            if (i + 1 >= argc)
                usage("a value is needed after ", argument);
            return std::string(argv[++i]);
        };
        if (argument == "--png")
            options.png = value();
        else if (argument == "--size") {
            if (!readSize(value(), &options.width, &options.height))
                usage("the size is W×H, each 1 to 4096");
        } else if (argument == "--rsr")
            options.rsr = value();
        else if (argument == "--tree")
            options.tree = true;
        else if (argument.starts_with("--"))
            usage("unknown option ", argument);
        else
            options.texts.push_back(argument);
    }
    if (options.png.empty())
        usage("--png is needed");
    if (!options.rsr.ends_with(".rsr"))
        usage("the resource file's name ends in .rsr");
    return options;
}

// A view's place and text from "H,V,W,H[,GRIPS]:TEXT"; grips are -1 when not given.
struct SPlacedText {
    int h = 0;
    int v = 0;
    int width = 0;
    int height = 0;
    int grips = -1;
    std::string text;
};

std::optional<SPlacedText> readPlacedText(const std::string& argument)
{
    const std::size_t colon = argument.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    SPlacedText placed;
    placed.text = argument.substr(colon + 1);
    const std::string numbers = argument.substr(0, colon);
    const int read = std::sscanf(numbers.c_str(), "%d,%d,%d,%d,%d", &placed.h, &placed.v, &placed.width,
                                 &placed.height, &placed.grips);
    if ((read != 4 && read != 5) || placed.text.size() > 255)
        return std::nullopt;
    return placed;
}

std::string className(CPlugInView& view)
{
    const char* mangled = typeid(view).name();
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> name(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                     &std::free);
    return status == 0 ? name.get() : mangled;
}

std::string idText(std::uint32_t id)
{
    std::string text = "'";
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto character = static_cast<char>(id >> shift);
        if (character < 0x20 || character > 0x7E) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%08X", id);
            return hex;
        }
        text += character;
    }
    text += '\'';
    return text;
}

void printTree(CPlugInView& view, int depth)
{
    HostRect frame{};
    view.GetFrame(&frame);
    std::printf("%*s%s %s (%d, %d, %d, %d) %s\n", depth * 2, "", className(view).c_str(), idText(view.GetID()).c_str(),
                frame.top, frame.left, frame.bottom, frame.right, view.IsEnabled() ? "enabled" : "disabled");
    for (CPlugInView* child = view.GetFirstSubView(); child != nullptr; child = child->GetNextSibling())
        printTree(*child, depth + 1);
}

int drawViews(const SOptions& options)
{
    const HostRect bounds{0, 0, static_cast<std::int16_t>(options.height), static_cast<std::int16_t>(options.width)};
    std::unique_ptr<CCustomView> root(NewNoResourceView());
    root->SetSize(static_cast<std::int16_t>(options.width), static_cast<std::int16_t>(options.height));
    root->SetEnabled(true);
    for (const std::string& argument : options.texts) {
        const std::optional<SPlacedText> placed = readPlacedText(argument);
        if (!placed) {
            std::fprintf(stderr, "kravo-views: not \"H,V,W,H[,GRIPS]:TEXT\": %s\n", argument.c_str());
            return 2;
        }
        CPlugInView* view =
            root->AddSubViewFromText(placed->text, static_cast<std::int16_t>(placed->h), static_cast<std::int16_t>(placed->v),
                                     static_cast<std::int16_t>(placed->width), static_cast<std::int16_t>(placed->height), true);
        if (view == nullptr) {
            std::fprintf(stderr, "kravo-views: no view from %s\n", argument.c_str());
            return 1;
        }
        auto* described = dynamic_cast<CCustomView*>(view);
        if (placed->grips >= 0 && described != nullptr)
            described->SetPlate(described->HasPlate(), described->GetOwnPlateStyle(),
                                static_cast<std::uint16_t>(placed->grips));
    }
    HostPort port = HostExtNewOffscreenPort(&bounds);
    root->SetPort(port);
    root->Draw(nullptr);
    const std::optional<platform::Image> picture = hostext::capturePort(port);
    root->SetPort(nullptr);
    HostExtDisposePort(port);
    if (options.tree)
        printTree(*root, 0);
    if (!picture || !platform::writePng(*picture, options.png)) {
        std::fprintf(stderr, "kravo-views: cannot write %s\n", options.png.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const SOptions options = readOptions(argc, argv);
    platform::setUserInterfaceThread();
    platform::setModulePath(options.rsr.substr(0, options.rsr.size() - 4));
    if (WinPlugInOpen(73) != 0) {
        std::fprintf(stderr, "kravo-views: the views library does not open\n");
        return 1;
    }
    DeletePlugInGroup();
    YieldingGroup group;
    gProcessGroup = &group;
    int result = 1;
    try {
        result = drawViews(options);
    } catch (const CHostError& error) {
        std::fprintf(stderr, "kravo-views: failed with %d\n", error.GetCode());
    }
    gProcessGroup = nullptr;
    WinPlugInClose();
    return result;
}
