#include "host/command_line.h"

#include "engine/tempo/tempo_sync.h"

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <sstream>
#include <string_view>
#include <tuple>
#include <utility>

namespace host {

const char* const kDefaultPluginPath = KRAVO_LIBRARY_PATH;

namespace {

// One command of the help: its synopsis, shown alone after a usage error, and what it does.
struct CommandHelp {
    const char* name;
    const char* synopsis;
    const char* description;
};

// The full help and each usage error's synopsis are both made from this table.
constexpr CommandHelp kCommands[] = {
    {"render",
     "  kravo-host render --out FILE.wav [--plugin PATH] [--rate HZ] [--block N] [--tempo BPM] [--play]\n"
     "                    [--program N] [--set INDEX=VALUE]... [--note SECONDS:NOTE[:VELOCITY[:LENGTH_SECONDS]]]...\n"
     "                    [--midi FILE.mid] [--seconds S] [--bits 16|24|32f] [--quiet]\n"
     "                    [--load-state FILE] [--save-state FILE]\n",
     "      --tempo takes 5 to 600 BPM, the range of tempos the plug-in follows\n"},
    {"params",
     "  kravo-host params [--plugin PATH] [--host] [--program N] [--set INDEX=VALUE]... INDEX...\n",
     "      prints INDEX<TAB>name<TAB>display<TAB>label<TAB>stored value, one line per index, as the\n"
     "      plug-in object gives them; with --host what a host sees instead:\n"
     "      INDEX<TAB>control name<TAB>value text<TAB>automatable<TAB>value\n"},
    {"samples",
     "  kravo-host samples --out FILE.wav [--plugin PATH] [--rate HZ] [--block N] [--program N]\n"
     "                     [--bits 16|24|32f] [--quiet]\n",
     "      renders every built-in drum sample once, in order, each followed by a short gap\n"},
    {"editor",
     "  kravo-host editor [--plugin PATH] [--program N] [--set INDEX=VALUE]... [--voice V] [--page MODE]\n"
     "                    [--layer A|B] [--fx-slot S] [--pattern P] [--track T] [--view 1]\n"
     "                    [--png FILE.png]\n",
     "      opens the plug-in's editor in a window of its own: on the desktop until the window is closed,\n"
     "      or, with --png, headless, writing a picture of it; first --voice clicks the select button of\n"
     "      voice V (0..23), --page the page button of MODE (0 voice, 1 mixer, 2 Easy, 3 modulation, 4 none),\n"
     "      --layer the sample page's Edit Sample A or B button (for voices 16..23), --fx-slot the button\n"
     "      of effect slot S (0..3), then on the pattern page --pattern the select light of pattern P\n"
     "      (0..7), --track the button of track T (0..3) and --view 1 the View switch, which shows the\n"
     "      grid's overview. With none of these options the editor opens as a host opens it, through\n"
     "      the library's view routines, in a host window of the editor's size\n"},
    {"view",
     "  kravo-host view --png FILE.png [--plugin PATH] [--window WxH] [--program N] [--set INDEX=VALUE]...\n",
     "      opens the library as a host's engine does, with its host views, and writes a picture of the\n"
     "      host window (client size WxH, by default the view's): the host views with their root at\n"
     "      (50, 20) and the editor in its child window\n"},
    {"help", "  kravo-host help\n", ""},
};

} // namespace

std::string usageText()
{
    std::string text = "usage:\n";
    for (const CommandHelp& command : kCommands) {
        text += command.synopsis;
        text += command.description;
    }
    text += "The plug-in library (by default the one built beside kravo-host) is loaded and played through\n"
            "its exported routines, with the host's own libraries (hostlibs/) standing in for the host.\n";
    return text;
}

std::string usageErrorHelp(const std::string& command)
{
    for (const CommandHelp& known : kCommands) {
        if (command == known.name) {
            std::string text = "usage:\n";
            text += known.synopsis;
            text += "'kravo-host help' tells what every command and option does\n";
            return text;
        }
    }
    std::string text = "usage: kravo-host COMMAND [OPTION]...\ncommands:";
    for (const CommandHelp& known : kCommands) {
        text += ' ';
        text += known.name;
    }
    text += "\n'kravo-host help' tells what every command and option does\n";
    return text;
}

namespace {

constexpr int kNumParams = 9900;
constexpr int kNumPrograms = 32;
// The engine's filters and envelopes are tuned for audio rates; far below them they run away.
constexpr int kMinSampleRate = 8000;
constexpr int kMaxSampleRate = 384000;
// The host's windows stay within what a screen can hold.
constexpr int kMaxWindowSide = 4096;

// Only plain decimal text is a number here: no blanks, no hexadecimal, no "inf" or "nan".
bool isDecimal(const std::string& text, bool fraction)
{
    std::size_t i = text.size() > 1 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    bool digits = false;
    bool point = false;
    bool exponent = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (fraction && c == '.' && !point && !exponent) {
            point = true;
        } else if (fraction && (c == 'e' || c == 'E') && digits && !exponent) {
            exponent = true;
            digits = false;
            if (i + 1 < text.size() && (text[i + 1] == '-' || text[i + 1] == '+'))
                ++i;
        } else {
            return false;
        }
    }
    return digits;
}

double toNumber(const std::string& text, const std::string& what)
{
    const double value = isDecimal(text, true) ? std::strtod(text.c_str(), nullptr) : NAN;
    if (!std::isfinite(value))
        throw UsageError("bad " + what + ": '" + text + "' (expected a decimal number)");
    return value;
}

int toInteger(const std::string& text, const std::string& what, int low, int high)
{
    const long value = isDecimal(text, false) && text.size() < 12 ? std::strtol(text.c_str(), nullptr, 10) : low - 1L;
    if (value < low || value > high)
        throw UsageError("bad " + what + ": '" + text + "' (expected " + std::to_string(low) + ".." +
                         std::to_string(high) + ")");
    return static_cast<int>(value);
}

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

ParameterSetting parseSetting(const std::string& text)
{
    const auto equals = text.find('=');
    if (equals == std::string::npos)
        throw UsageError("--set expects INDEX=VALUE, got '" + text + "'");
    const int index = toInteger(text.substr(0, equals), "parameter index", 0, kNumParams - 1);
    const double value = toNumber(text.substr(equals + 1), "parameter value");
    if (value < 0.0 || value > 1.0)
        throw UsageError("parameter values run from 0 to 1, got '" + text + "'");
    return {index, static_cast<float>(value)};
}

NoteRequest parseNote(const std::string& text)
{
    const auto parts = split(text, ':');
    if (parts.size() < 2 || parts.size() > 4)
        throw UsageError("--note expects SECONDS:NOTE[:VELOCITY[:LENGTH_SECONDS]], got '" + text + "'");
    NoteRequest note{toNumber(parts[0], "note time"), toInteger(parts[1], "note number", 0, 127), 100, 0.1};
    if (parts.size() > 2)
        note.velocity = toInteger(parts[2], "velocity", 1, 127);
    if (parts.size() > 3)
        note.lengthSeconds = toNumber(parts[3], "note length");
    if (note.seconds < 0.0 || note.lengthSeconds < 0.0)
        throw UsageError("note times must not be negative: '" + text + "'");
    return note;
}

class ArgumentList {
public:
    explicit ArgumentList(const std::vector<std::string>& args) : args_(args) {}
    bool done() const { return next_ >= args_.size(); }
    const std::string& take() { return args_[next_++]; }
    const std::string& valueOf(const std::string& option)
    {
        if (done())
            throw UsageError(option + " needs a value");
        return take();
    }

private:
    const std::vector<std::string>& args_;
    std::size_t next_ = 0;
};

// The options that make the plug-in object of `params` and `editor`; false for any other.
template <typename Options>
bool parseObjectOption(const std::string& option, ArgumentList& list, Options& options)
{
    if (option == "--program")
        options.program = toInteger(list.valueOf(option), "program", 0, kNumPrograms - 1);
    else if (option == "--set")
        options.settings.push_back(parseSetting(list.valueOf(option)));
    else if (option == "--plugin")
        options.pluginPath = list.valueOf(option);
    else
        return false;
    return true;
}

// "--png FILE", which `editor` and `view` take; false for any other option.
bool parsePngOption(const std::string& option, ArgumentList& list, std::string& pngPath)
{
    if (option != "--png")
        return false;
    pngPath = list.valueOf(option);
    if (pngPath.empty())
        throw UsageError("--png needs a file name");
    return true;
}

// The options `render` and `samples` share; false for any other.
bool parseOutputOption(const std::string& option, ArgumentList& list, RenderOptions& options)
{
    if (option == "--out")
        options.outPath = list.valueOf(option);
    else if (option == "--plugin")
        options.pluginPath = list.valueOf(option);
    else if (option == "--rate")
        options.sampleRate = toInteger(list.valueOf(option), "sample rate", kMinSampleRate, kMaxSampleRate);
    else if (option == "--block")
        options.blockSize = toInteger(list.valueOf(option), "block size", 1, 65536);
    else if (option == "--program")
        options.program = toInteger(list.valueOf(option), "program", 0, kNumPrograms - 1);
    else if (option == "--bits") {
        const std::string bits = list.valueOf(option);
        if (bits == "16")
            options.format = SampleFormat::pcm16;
        else if (bits == "24")
            options.format = SampleFormat::pcm24;
        else if (bits == "32f")
            options.format = SampleFormat::float32;
        else
            throw UsageError("--bits expects 16, 24 or 32f");
    } else if (option == "--quiet")
        options.quiet = true;
    else
        return false;
    return true;
}

bool isOneOf(const std::string& option, std::initializer_list<const char*> options)
{
    for (const char* listed : options)
        if (option == listed)
            return true;
    return false;
}

bool isRenderOption(const std::string& option)
{
    return isOneOf(option, {"--tempo", "--play", "--set", "--note", "--midi", "--seconds", "--load-state",
                            "--save-state"});
}

} // namespace

RenderOptions parseRenderOptions(const std::vector<std::string>& args)
{
    RenderOptions options;
    ArgumentList list(args);
    while (!list.done()) {
        const std::string option = list.take();
        if (parseOutputOption(option, list, options))
            continue;
        if (option == "--tempo") {
            options.tempo = toNumber(list.valueOf(option), "tempo");
            if (*options.tempo < tempo::TempoSync::kMinTempo || *options.tempo > tempo::TempoSync::kMaxTempo)
                throw UsageError("--tempo must be from 5 to 600 BPM");
        } else if (option == "--play")
            options.play = true;
        else if (option == "--set")
            options.settings.push_back(parseSetting(list.valueOf(option)));
        else if (option == "--note")
            options.notes.push_back(parseNote(list.valueOf(option)));
        else if (option == "--midi") {
            if (!options.midiPath.empty())
                throw UsageError("--midi can be given only once");
            options.midiPath = list.valueOf(option);
            if (options.midiPath.empty())
                throw UsageError("--midi needs a file name");
        } else if (option == "--seconds") {
            options.seconds = toNumber(list.valueOf(option), "length in seconds");
            if (*options.seconds <= 0.0 || *options.seconds > kMaxRenderSeconds)
                throw UsageError("--seconds must be above 0 and at most 86400 (24 hours)");
        } else if (option == "--load-state")
            options.loadStatePath = list.valueOf(option);
        else if (option == "--save-state")
            options.saveStatePath = list.valueOf(option);
        else
            throw UsageError("unknown option '" + option + "'");
    }
    if (options.outPath.empty())
        throw UsageError("render needs --out FILE.wav");
    if (!options.loadStatePath.empty() && options.program != 0)
        throw UsageError("--program and --load-state cannot be combined: the state holds its own program");
    return options;
}

RenderOptions parseSamplesOptions(const std::vector<std::string>& args)
{
    RenderOptions options;
    ArgumentList list(args);
    while (!list.done()) {
        const std::string option = list.take();
        if (parseOutputOption(option, list, options))
            continue;
        if (isRenderOption(option))
            throw UsageError("samples does not take " + option + "; only render does");
        throw UsageError("unknown option '" + option + "'");
    }
    if (options.outPath.empty())
        throw UsageError("samples needs --out FILE.wav");
    return options;
}

ParamsOptions parseParamsOptions(const std::vector<std::string>& args)
{
    ParamsOptions options;
    ArgumentList list(args);
    while (!list.done()) {
        const std::string option = list.take();
        if (parseObjectOption(option, list, options))
            continue;
        if (option == "--host")
            options.hostView = true;
        else if (!option.empty() && option[0] == '-' && option.size() > 1)
            throw UsageError("unknown option '" + option + "'");
        else
            options.indices.push_back(toInteger(option, "parameter index", 0, kNumParams - 1));
    }
    if (options.indices.empty())
        throw UsageError("params needs at least one parameter index");
    return options;
}

namespace {

// "A" or "B" as the sample page's layer 0 or 1.
int sampleLayerOf(const std::string& value)
{
    if (value == "A" || value == "B")
        return value == "A" ? 0 : 1;
    throw UsageError("--layer needs A or B");
}

} // namespace

EditorOptions parseEditorOptions(const std::vector<std::string>& args)
{
    EditorOptions options;
    ArgumentList list(args);
    while (!list.done()) {
        const std::string option = list.take();
        if (parseObjectOption(option, list, options) || parsePngOption(option, list, options.pngPath))
            continue;
        if (option == "--page")
            options.page = toInteger(list.valueOf(option), "page mode", 0, 4);
        else if (option == "--voice")
            options.voice = toInteger(list.valueOf(option), "voice", 0, 23);
        else if (option == "--fx-slot")
            options.fxSlot = toInteger(list.valueOf(option), "effect slot", 0, 3);
        else if (option == "--pattern")
            options.pattern = toInteger(list.valueOf(option), "pattern", 0, 7);
        else if (option == "--track")
            options.track = toInteger(list.valueOf(option), "track", 0, 3);
        else if (option == "--view")
            options.patternOverview = toInteger(list.valueOf(option), "view", 0, 1) == 1;
        else if (option == "--layer")
            options.layer = sampleLayerOf(list.valueOf(option));
        else
            throw UsageError("unknown option '" + option + "'");
        options.editorState = true;
    }
    return options;
}

namespace {

// "WxH" (or with the sign ×) as a client size.
std::pair<int, int> windowSizeOf(const std::string& value)
{
    for (const std::string_view sign : {"x", "X", "\u00d7"}) {
        const auto at = value.find(sign);
        if (at == std::string::npos)
            continue;
        return {toInteger(value.substr(0, at), "window width", 1, kMaxWindowSide),
                toInteger(value.substr(at + sign.size()), "window height", 1, kMaxWindowSide)};
    }
    throw UsageError("--window needs WIDTHxHEIGHT, got '" + value + "'");
}

bool isEditorStateOption(const std::string& option)
{
    return isOneOf(option, {"--voice", "--page", "--layer", "--pattern", "--track", "--view", "--fx-slot"});
}

} // namespace

ViewOptions parseViewOptions(const std::vector<std::string>& args)
{
    ViewOptions options;
    ArgumentList list(args);
    while (!list.done()) {
        const std::string option = list.take();
        if (parseObjectOption(option, list, options) || parsePngOption(option, list, options.pngPath))
            continue;
        if (option == "--window") {
            std::tie(options.windowWidth, options.windowHeight) = windowSizeOf(list.valueOf(option));
        } else if (isEditorStateOption(option)) {
            throw UsageError("view does not take " + option + "; only editor does");
        } else {
            throw UsageError("unknown option '" + option + "'");
        }
    }
    if (options.pngPath.empty())
        throw UsageError("view needs --png FILE.png");
    return options;
}

} // namespace host
