// kravo-views: builds view descriptions on an offscreen port and writes the picture, for a person to
// look at how views draw. Each text becomes a child of a root without resources the size of the
// picture, as a run-time text does: a text that does not start with "!" shows as static text, and one
// that does must describe a view; the views library runs in process with a group that only lets the
// host run, reading the plug-in's resource file or the one given.
//
//   kravo-views --png FILE [--size W×H] [--rsr FILE] [--tree] [--click H,V [--type TEXT]]
//               [--drag H1,V1:H2,V2] "H,V,W,H[,GRIPS][,off]:TEXT"...
//
// H,V is the view's top-left corner, W,H its size; GRIPS, when given, sets the plate's grip ribs
// (0 to 3: 1 horizontal, 2 vertical, 3 both), which no description can ask for; "off" builds the view disabled,
// so that clicks go to the view around it. --tree prints each view built: its class, id, frame (top,
// left, bottom, right), whether it is enabled and, for a control view, its value. --click presses the
// mouse at the point of the picture after the views were drawn and lets it go there 50 ms later, --type
// then types the text and Return, and the views are drawn again; a pop-up menu the click opened is
// written as it was at the release to FILE with "-menu" before ".png". --drag presses the mouse at the
// first point, moves it to the second and lets go there (after the click, when both are given), and the
// views are drawn again. Each process control view of the tree (described, or made by an editor whose
// control id found none) stands for a control of a process of the tool's own: a whole number from 0 to
// 100 that starts at the view's value.
//
// Exit codes: 0 when the picture is written; 2 when something given is wrong (an option, a placed text or
// its frame, a description, the resource file or a resource a view needs from it); 1 when the tool fails
// at its own work (the views library does not open, a view fails while drawn or used, a picture cannot
// be written).

#include "hostframework/controls/discrete_control.h"
#include "hostframework/controls/host_value_conversions.h"
#include "hostframework/plugin_library.h"
#include "hostframework/process.h"
#include "hostframework/process_group_interface.h"
#include "hostframework/views/control_view.h"
#include "hostframework/views/process_control_view.h"
#include "hostframework/views/custom_view.h"
#include "hostframework/views/no_resource_view.h"
#include "hostframework/views/view_record.h"
#include "hostlibs/extension/host_extension_control.h"
#include "hostlibs/extension/host_graphics.h"
#include "hostlibs/extension/host_graphics_types.h"
#include "hostlibs/extension/resource_container.h"
#include "platform/clock.h"
#include "platform/gdi/image.h"
#include "platform/module_loading.h"
#include "platform/window/scripted_input.h"
#include "platform/window/ui_thread.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window_testing.h"
#include "tests/tools/description_problem.h"

#include <cxxabi.h>

#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <typeinfo>
#include <utility>
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
    std::optional<HostPoint> click;
    std::optional<std::string> typed;
    std::optional<std::pair<HostPoint, HostPoint>> drag;
    std::vector<std::string> texts;
};

[[noreturn]] void usage(const std::string& problem, const std::string& detail = "")
{
    std::fprintf(stderr, "kravo-views: %s%s\nusage: kravo-views --png FILE [--size W×H] [--rsr FILE] [--tree] "
                         "[--click H,V [--type TEXT]] [--drag H1,V1:H2,V2] \"H,V,W,H[,GRIPS][,off]:TEXT\"...\n",
                 problem.c_str(), detail.c_str());
    std::exit(2);
}

bool inPortRange(std::initializer_list<int> coordinates)
{
    for (const int coordinate : coordinates)
        if (coordinate < -32768 || coordinate > 32767)
            return false;
    return true;
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
        else if (argument == "--click") {
            int h = 0;
            int v = 0;
            char end = 0;
            if (std::sscanf(value().c_str(), "%d,%d%c", &h, &v, &end) != 2 || h < -32768 || h > 32767 ||
                v < -32768 || v > 32767)
                usage("the click is H,V");
            options.click = HostPoint{static_cast<std::int16_t>(v), static_cast<std::int16_t>(h)};
        } else if (argument == "--type")
            options.typed = value();
        else if (argument == "--drag") {
            int h1 = 0;
            int v1 = 0;
            int h2 = 0;
            int v2 = 0;
            char end = 0;
            if (std::sscanf(value().c_str(), "%d,%d:%d,%d%c", &h1, &v1, &h2, &v2, &end) != 4 ||
                !inPortRange({h1, v1, h2, v2}))
                usage("the drag is H1,V1:H2,V2");
            options.drag = std::pair{HostPoint{static_cast<std::int16_t>(v1), static_cast<std::int16_t>(h1)},
                                     HostPoint{static_cast<std::int16_t>(v2), static_cast<std::int16_t>(h2)}};
        }
        else if (argument.starts_with("--"))
            usage("unknown option ", argument);
        else
            options.texts.push_back(argument);
    }
    if (options.png.empty())
        usage("--png is needed");
    if (!options.rsr.ends_with(".rsr"))
        usage("the resource file's name ends in .rsr");
    if (options.typed && !options.click)
        usage("--type needs --click");
    return options;
}

// A view's place and text from "H,V,W,H[,GRIPS][,off]:TEXT"; grips are -1 when not given.
struct SPlacedText {
    int h = 0;
    int v = 0;
    int width = 0;
    int height = 0;
    int grips = -1;
    bool enabled = true;
    std::string text;
};

// The whole of `text` as a number, held at the edge of the range when it runs past it; nothing when the
// text holds anything else.
std::optional<long long> readWholeNumber(const std::string& text)
{
    long long number = 0;
    const char* end = text.data() + text.size();
    const auto [past, error] = std::from_chars(text.data(), end, number);
    if (past != end || error == std::errc::invalid_argument)
        return std::nullopt;
    if (error == std::errc::result_out_of_range)
        return text.starts_with('-') ? LLONG_MIN : LLONG_MAX;
    return number;
}

// What is wrong with the argument as a placed text; empty when it is one.
std::string readPlacedText(const std::string& argument, SPlacedText* placed)
{
    const std::string notPlaced = "not \"H,V,W,H[,GRIPS][,off]:TEXT\"";
    const std::size_t colon = argument.find(':');
    if (colon == std::string::npos)
        return notPlaced;
    std::string numbers = argument.substr(0, colon);
    if (numbers.ends_with(",off")) {
        placed->enabled = false;
        numbers.resize(numbers.size() - 4);
    }
    std::vector<std::string> fields;
    std::vector<long long> values;
    for (std::size_t start = 0;; ++start) {
        const std::size_t comma = std::min(numbers.find(',', start), numbers.size());
        fields.push_back(numbers.substr(start, comma - start));
        const std::optional<long long> value = readWholeNumber(fields.back());
        if (!value)
            return notPlaced;
        values.push_back(*value);
        start = comma;
        if (start == numbers.size())
            break;
    }
    if (values.size() != 4 && values.size() != 5)
        return notPlaced;
    // The frame's numbers and the edges they make are a port's 16-bit coordinates; the edges are added up
    // only from numbers in that range.
    const auto outOfRange = [](const char* name, long long value, const std::string& written) {
        std::string problem;
        if (value >= -32768 && value <= 32767)
            return problem;
        problem = "the frame's ";
        problem += name;
        problem += ' ';
        problem += written;
        problem += " is out of range: left, top, width and height, and the edges they make, run from -32768 to 32767";
        return problem;
    };
    for (const std::string& problem :
         {outOfRange("left", values[0], fields[0]), outOfRange("top", values[1], fields[1]),
          outOfRange("width", values[2], fields[2]), outOfRange("height", values[3], fields[3])})
        if (!problem.empty())
            return problem;
    const long long right = values[0] + values[2];
    const long long bottom = values[1] + values[3];
    for (const std::string& problem : {outOfRange("right edge (left+width)", right, std::to_string(right)),
                                       outOfRange("bottom edge (top+height)", bottom, std::to_string(bottom))})
        if (!problem.empty())
            return problem;
    if (values.size() == 5 && (values[4] < 0 || values[4] > 3)) {
        std::string problem = "the grips ";
        problem += fields[4];
        problem += " are none of 0 to 3 (1 horizontal, 2 vertical, 3 both)";
        return problem;
    }
    placed->h = static_cast<int>(values[0]);
    placed->v = static_cast<int>(values[1]);
    placed->width = static_cast<int>(values[2]);
    placed->height = static_cast<int>(values[3]);
    placed->grips = values.size() == 5 ? static_cast<int>(values[4]) : -1;
    placed->text = argument.substr(colon + 1);
    if (placed->text.size() > sizeof(SViewRecord::text)) {
        std::string problem = "the text is ";
        problem += std::to_string(placed->text.size());
        problem += " bytes long; a view's text holds at most ";
        problem += std::to_string(sizeof(SViewRecord::text));
        return problem;
    }
    return {};
}

// The argument as a message shows it: its first 60 bytes, whole characters only.
std::string excerpt(const std::string& argument)
{
    constexpr std::size_t kShown = 60;
    if (argument.size() <= kShown)
        return argument;
    std::size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(argument[cut]) & 0xC0) == 0x80)
        --cut;
    return argument.substr(0, cut) + "...";
}

// Why the views library could not use the resource file, in words.
std::string resourceFileProblem(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return "cannot be opened";
    std::vector<std::uint8_t> bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        return "cannot be read";
    }
    if (!hostext::readResourceContainer(bytes))
        return "is not a resource file";
    return "cannot be used";
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
    std::printf("%*s%s %s (%d, %d, %d, %d) %s", depth * 2, "", className(view).c_str(), idText(view.GetID()).c_str(),
                frame.top, frame.left, frame.bottom, frame.right, view.IsEnabled() ? "enabled" : "disabled");
    if (auto* control = dynamic_cast<CControlView*>(&view))
        std::printf(" value %d", control->GetValue());
    std::printf("\n");
    for (CPlugInView* child = view.GetFirstSubView(); child != nullptr; child = child->GetNextSibling())
        printTree(*child, depth + 1);
}

// A process whose controls stand behind the process control views of a tree it shows but does not own.
class CToolProcess : public CProcess {
public:
    std::int32_t GetNumInputs(std::int16_t* count) override { return clearOut(count); }
    std::int32_t GetNumOutputs(std::int16_t* count) override { return clearOut(count); }
    ~CToolProcess() override
    {
        SetViewPort(nullptr);
        rootView = nullptr;
    }

    // One control for each process control view of the tree, then the tree becomes the process's.
    void Show(CPlugInView& root)
    {
        AddControls(root);
        Initialize();
        rootView = &root;
    }

private:
    void AddControls(CPlugInView& view)
    {
        if (auto* control = dynamic_cast<CProcessControlView*>(&view)) {
            std::uint8_t name[64] = {};
            control->GetName(name);
            const std::string text(reinterpret_cast<const char*>(name + 1), name[0]);
            AddControl(new CPluginControl_Discrete(control->GetID(), text.c_str(), 0, 100,
                                                   hostValueToDiscrete(control->GetValue(), 0, 100), true));
        }
        for (CPlugInView* child = view.GetFirstSubView(); child != nullptr; child = child->GetNextSibling())
            AddControls(*child);
    }
};

// The menu's picture beside the views': "-menu" before ".png".
std::string menuPicturePath(const std::string& png)
{
    return png.ends_with(".png") ? png.substr(0, png.size() - 4) + "-menu.png" : png + "-menu";
}

void clickAndType(CPlugInView& root, HostPoint point, const std::optional<std::string>& typed)
{
    // Released where it was pressed: a pop-up menu that opens right of the click chooses nothing.
    constexpr DWORD kHeldMilliseconds = 50;
    platform::ScriptedInput& script = platform::scriptedInput();
    script.move(point.h, point.v);
    script.press(VK_LBUTTON);
    script.wait(kHeldMilliseconds);
    script.release(VK_LBUTTON);
    constexpr char kReturn = 13;
    HostEventRecord press{kHostMouseDownEvent, 0, 0, point, 0};
    root.HandleMouseDown(&press);
    if (!typed)
        return;
    std::string keys = *typed;
    keys += kReturn;
    for (const char key : keys) {
        HostEventRecord down{kHostKeyDownEvent, static_cast<std::uint8_t>(key), 0, {0, 0}, 0};
        bool handled = false;
        root.HandleKeyDown(&down, &handled);
    }
}

// The button goes down at the first point, the mouse goes to the second in even steps and the button
// comes up there; the views track it on a clock of their own, so the drag is the same on every run.
void dragAcross(CPlugInView& root, HostPoint from, HostPoint to)
{
    constexpr int kSteps = 10;
    constexpr DWORD kStepMilliseconds = 10;
    platform::ManualClock clock(1);
    platform::setClock(&clock);
    platform::ScriptedInput& script = platform::scriptedInput();
    script.reset();
    script.move(from.h, from.v);
    script.press(VK_LBUTTON);
    for (int step = 1; step <= kSteps; ++step) {
        script.wait(kStepMilliseconds);
        script.move(from.h + (to.h - from.h) * step / kSteps, from.v + (to.v - from.v) * step / kSteps);
    }
    script.wait(kStepMilliseconds);
    script.release(VK_LBUTTON);
    HostEventRecord press{1, 0, 0, from, 0};
    root.HandleMouseDown(&press);
    // A press that no view tracked leaves the rest of the script to run out here.
    for (int pass = 0; pass < 1000 && !script.finished(); ++pass)
        platform::pumpMessages();
    platform::setClock(nullptr);
}

// Each text as a child of the root; an exit code when one cannot be.
int addViews(CCustomView& root, const SOptions& options)
{
    for (const std::string& argument : options.texts) {
        SPlacedText placed;
        std::string problem = readPlacedText(argument, &placed);
        const HostRect frame{static_cast<std::int16_t>(placed.v), static_cast<std::int16_t>(placed.h),
                             static_cast<std::int16_t>(placed.v + placed.height),
                             static_cast<std::int16_t>(placed.h + placed.width)};
        if (problem.empty() && isMeantAsDescription(placed.text))
            problem = descriptionProblem(placed.text, frame).value_or("");
        if (!problem.empty()) {
            std::fprintf(stderr, "kravo-views: \"%s\": %s\n", excerpt(argument).c_str(), problem.c_str());
            return 2;
        }
        CPlugInView* view = nullptr;
        try {
            view = root.AddSubViewFromText(placed.text, frame.left, frame.top, static_cast<std::int16_t>(placed.width),
                                           static_cast<std::int16_t>(placed.height), placed.enabled);
        } catch (const CHostError& error) {
            // A view that read its description fails here when its resources are not all there.
            std::fprintf(stderr, "kravo-views: \"%s\": the view cannot be built: a resource it names may be missing "
                                 "from %s (%d)\n", excerpt(argument).c_str(), options.rsr.c_str(), error.GetCode());
            return 2;
        }
        if (view == nullptr) {
            std::fprintf(stderr, "kravo-views: \"%s\": no memory for the view\n", excerpt(argument).c_str());
            return 1;
        }
        auto* described = dynamic_cast<CCustomView*>(view);
        if (placed.grips >= 0 && described != nullptr)
            described->SetPlate(described->HasPlate(), described->GetOwnPlateStyle(),
                                static_cast<std::uint16_t>(placed.grips));
    }
    return 0;
}

int drawViews(const SOptions& options)
{
    const HostRect bounds{0, 0, static_cast<std::int16_t>(options.height), static_cast<std::int16_t>(options.width)};
    // The root is the first view to want the resource file.
    std::unique_ptr<CCustomView> root;
    try {
        root.reset(NewNoResourceView());
    } catch (const CHostError& error) {
        std::fprintf(stderr, "kravo-views: the resource file %s %s (%d)\n", options.rsr.c_str(),
                     resourceFileProblem(options.rsr).c_str(), error.GetCode());
        return 2;
    }
    root->SetSize(static_cast<std::int16_t>(options.width), static_cast<std::int16_t>(options.height));
    root->SetEnabled(true);
    if (const int failure = addViews(*root, options); failure != 0)
        return failure;
    // Connected as a process's tree is: editors find their control views, which the process binds when
    // the tree gets its port.
    root->Initialize();
    HostPort port = HostExtNewOffscreenPort(&bounds);
    auto process = std::make_unique<CToolProcess>();
    process->Show(*root);
    process->SetViewPort(reinterpret_cast<OpaqueGrafPtr*>(port));
    root->Activate();
    root->Draw(nullptr);
    if (options.click) {
        clickAndType(*root, *options.click, options.typed);
        root->Draw(nullptr);
    }
    if (options.drag) {
        dragAcross(*root, options.drag->first, options.drag->second);
        root->Draw(nullptr);
    }
    const std::optional<platform::Image> picture = hostext::capturePort(port);
    process.reset();
    HostExtDisposePort(port);
    if (options.tree)
        printTree(*root, 0);
    if (!picture) {
        std::fprintf(stderr, "kravo-views: the picture cannot be taken from the views' port\n");
        return 1;
    }
    if (!platform::writePng(*picture, options.png)) {
        std::fprintf(stderr, "kravo-views: cannot write %s\n", options.png.c_str());
        return 1;
    }
    const std::vector<hostext::MenuPicture> menus = hostext::menuPictures();
    if (!menus.empty() && !platform::writePng(menus.back().picture, menuPicturePath(options.png))) {
        std::fprintf(stderr, "kravo-views: cannot write %s\n", menuPicturePath(options.png).c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const SOptions options = readOptions(argc, argv);
    // Time passes as the views read it, so that a held mouse takes no time of the person's.
    platform::ManualClock clock{1};
    platform::setClock(&clock);
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
        std::fprintf(stderr, "kravo-views: the views failed while drawn or used (%d)\n", error.GetCode());
    }
    gProcessGroup = nullptr;
    WinPlugInClose();
    platform::setClock(nullptr);
    return result;
}
