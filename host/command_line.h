#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace host {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct NoteRequest {
    double seconds;
    int note;
    int velocity;
    double lengthSeconds;
};

enum class SampleFormat { pcm16, pcm24, float32 };

// Longer renders are refused: past this a typing slip in a time costs hours and gigabytes.
inline constexpr double kMaxRenderSeconds = 24.0 * 60.0 * 60.0;

struct ParameterSetting {
    int index;
    float value;
};

// The plug-in library the host loads unless told another: the one built beside it.
extern const char* const kDefaultPluginPath;

struct RenderOptions {
    std::string pluginPath = kDefaultPluginPath;
    std::string outPath;
    double sampleRate = 44100.0;
    int blockSize = 512;
    std::optional<double> tempo;
    bool play = false;
    int program = 0;
    std::vector<ParameterSetting> settings;
    std::vector<NoteRequest> notes;
    std::string midiPath;
    std::optional<double> seconds;
    SampleFormat format = SampleFormat::float32;
    bool quiet = false;
    // The instance's whole state, taken before the render or kept after it.
    std::string loadStatePath;
    std::string saveStatePath;
};

struct ParamsOptions {
    std::string pluginPath = kDefaultPluginPath;
    // What a host sees of each parameter, instead of what the plug-in object says of it.
    bool hostView = false;
    int program = 0;
    std::vector<ParameterSetting> settings;
    std::vector<int> indices;
};

// The editor, opened as a host opens it.
struct EditorOptions {
    std::string pluginPath = kDefaultPluginPath;
    int program = 0;
    std::vector<ParameterSetting> settings;
    // With a picture file the editor opens headless, is drawn and written there; without, it shows on
    // the desktop until its window is closed.
    std::string pngPath;
    // The page mode whose page button is clicked once the editor is open; -1 for none.
    int page = -1;
    // The voice whose select button is clicked first; -1 for none.
    int voice = -1;
    // The effect slot whose button is clicked after the page's; -1 for none.
    int fxSlot = -1;
    // The pattern page: the pattern's select light, the track's button and the View switch are clicked
    // last; -1 (and false) for none.
    int pattern = -1;
    int track = -1;
    bool patternOverview = false;
    // The sample page's layer (0 A, 1 B) whose radio button is clicked after the voice; -1 for none.
    int layer = -1;
    // Set when any of the options above that reach into the editor was given: the editor then opens
    // in a window of its own, the plug-in object's editor driven directly, as those options need.
    // Without them it opens as a host opens it, through the library's view routines.
    bool editorState = false;
};

// The instance's host window as a host shows it: the host views with the editor inside them.
struct ViewOptions {
    std::string pluginPath = kDefaultPluginPath;
    int program = 0;
    std::vector<ParameterSetting> settings;
    std::string pngPath;
    // The host window's client size; 0 × 0 takes the view's own size.
    int windowWidth = 0;
    int windowHeight = 0;
};

RenderOptions parseRenderOptions(const std::vector<std::string>& args);
// The sample sheet takes the output options of a render and none that shape what it plays.
RenderOptions parseSamplesOptions(const std::vector<std::string>& args);
ParamsOptions parseParamsOptions(const std::vector<std::string>& args);
EditorOptions parseEditorOptions(const std::vector<std::string>& args);
ViewOptions parseViewOptions(const std::vector<std::string>& args);

// The whole help: every command's synopsis and what it does.
std::string usageText();
// What follows a usage error of `command`: its synopsis alone, or, for no known command, the list of
// commands; both with a pointer to the whole help.
std::string usageErrorHelp(const std::string& command);

} // namespace host
