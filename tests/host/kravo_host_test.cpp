#include "host/state_file.h"
#include "platform/byte_order.h"
#include "platform/gdi/bitmaps.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/shell_command.h"
#include "tests/support/temp_folder.h"
#include "toolkit/png_reader.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <tuple>
#include <vector>

namespace {

// A disk that fills after the given number of 512-byte blocks of any one file: writes past it fail.
std::string diskFullAfter(int blocks)
{
    return "trap '' XFSZ; ulimit -f " + std::to_string(blocks) + "; ";
}

struct RunResult {
    int exitCode;
    std::string out;
    std::string err;
};

class KravoHost : public ::testing::Test {
protected:
    // Output, settings store and drive live in `io`, so that `folder` holds only what the host writes.
    // `shell` is said first, in the shell that starts the host.
    RunResult run(const std::string& arguments, const std::string& shell = "")
    {
        const std::string command = shell + "KRAVO_REGISTRY=" + (io / "registry.txt").string() +
                                    " KRAVO_DRIVE_ROOT=" + (io / "drive").string() + " " + KRAVO_HOST_PATH + " " +
                                    arguments + " >" + (io / "out.txt").string() + " 2>" + (io / "err.txt").string();
        const int exitCode = platform::runShellCommand(command);
        return {exitCode, io.readFile("out.txt"), io.readFile("err.txt")};
    }

    // The file's format, all zero when it cannot be read; its interleaved samples go to `samples`.
    SF_INFO readWav(const std::string& path)
    {
        SF_INFO info{};
        SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
        if (file == nullptr)
            return SF_INFO{};
        samples.resize(static_cast<std::size_t>(info.frames * info.channels));
        sf_readf_float(file, samples.data(), info.frames);
        sf_close(file);
        return info;
    }

    std::vector<float> samples;
    kravo::test::TempFolder io;
    kravo::test::TempFolder folder;
};

TEST_F(KravoHost, RenderWritesAStereoWavOfTheAskedRateLengthAndFormat)
{
    const std::string wav = (folder / "take.wav").string();
    const std::tuple<std::string, int, sf_count_t, int> cases[] = {
        {"--rate 48000 --block 100 --note 0:36 --seconds 0.5 --bits 16", 48000, 24000, SF_FORMAT_PCM_16},
        {"--note 1:38:90:0.5", 44100, 44100 * 7 / 2, SF_FORMAT_FLOAT}, // the note ends at 1.5 s, then 2 s of tail
        {"--rate 8000 --set 3=0 --seconds 0.01 --bits 24", 8000, 80, SF_FORMAT_PCM_24},
        {"--rate 384000 --set 3=1 --seconds 0.01", 384000, 3840, SF_FORMAT_FLOAT},
    };
    for (const auto& [options, rate, frames, format] : cases) {
        const RunResult result = run("render --quiet --out " + wav + " " + options);
        ASSERT_EQ(result.exitCode, 0) << options << ": " << result.err;
        const SF_INFO info = readWav(wav);
        EXPECT_EQ(std::tuple(info.samplerate, info.channels, info.frames, info.format),
                  std::tuple(rate, 2, frames, SF_FORMAT_WAV | format)) << options;
    }
}

// The factory kick rings for about 0.3 s: neither the starting program nor one the host selects may cut it short.
TEST_F(KravoHost, ANoteAtTheStartSoundsItsWholeLength)
{
    for (const std::string program : {"", " --program 3"}) {
        const std::string wav = (folder / "kick.wav").string();
        ASSERT_EQ(run("render --quiet --out " + wav + program + " --note 0:36 --seconds 0.5").exitCode, 0);
        ASSERT_EQ(readWav(wav).frames, 22050);
        const auto louder = [&](double from, double to, float level) { // times in seconds of interleaved stereo
            return std::any_of(samples.begin() + std::lround(from * 88200), samples.begin() + std::lround(to * 88200),
                               [&](float sample) { return std::abs(sample) > level; });
        };
        EXPECT_TRUE(louder(0.0, 0.1, 0.1f) && louder(0.19, 0.21, 0.05f)) << program;
    }
}

TEST_F(KravoHost, ParamsPrintsOneLinePerIndexHelpTheUsageOnStdoutAndBadArgumentsAreAUsageErrorWritingNothing)
{
    const RunResult result = run("params --set 3=0.25 --set 2=0.5 --set 1550=1 0 3 9899 2 1783 1550");
    EXPECT_EQ(std::tuple(result.exitCode, std::count(result.out.begin(), result.out.end(), '\n')), std::tuple(0, 6));
    // index, name, display text, unit label (a blank), value; index 3 carries no setting and shows dashes
    const std::string unnamed = "\t-------------------\t";
    EXPECT_TRUE(result.out.rfind("0" + unnamed, 0) == 0 && result.out.find("\n9899" + unnamed) != std::string::npos &&
                result.out.find("\n3" + unnamed + "----\t \t0.25\n") != std::string::npos &&
                result.out.find("\n2\tMain Volume\t-15.0 dB\t \t0.5\n") != std::string::npos &&
                result.out.find("\n1783\tOP-OH 2 Easy Bypass\t") != std::string::npos &&
                result.out.find("\tAutoWah\t") != std::string::npos)
        << result.out << result.err;

    for (const std::string arguments : {"help", "--help"}) {
        const RunResult help = run(arguments);
        EXPECT_EQ(std::tuple(help.exitCode, help.err), std::tuple(0, "")) << arguments;
        EXPECT_NE(help.out.find("kravo-host render --out"), std::string::npos) << arguments;
    }

    const std::string render = "render --out " + (folder / "x.wav").string();
    for (const std::string& arguments : std::vector<std::string>{"", "dance", "render", render + " --rate",
             render + " --note 1", "params", "params 9900", "params --set 5 1", render + " --bits 12",
             render + " --program 32", render + " --rate 7999", render + " --rate 384001", render + " --set 5=1.01",
             "params --set 5=-0.5 5", "params --set 5=nan 5", render + " --seconds 86400.5", render + " --seconds inf",
             render + " --note nan:36", render + " --note 0:36:100:inf", render + " --note 86399:36",
             render + " --note 3e14:36", render + " --note 1e308:36:100:1e308", render + " --midi ''",
             render + " --midi a.mid --midi b.mid", render + " --note 0x1:36", "params 0x10", "params ' 16'",
             render + " --note ' 1:36'", render + " --set 5=0x1", "samples --out x.wav --note 0:36",
             "samples --out x.wav --set 2=1", "samples --out x.wav --midi a.mid", "samples --out x.wav --seconds 1",
             "samples --quiet", render + " --tempo 1e300", render + " --tempo 600.5", render + " --tempo 4.9",
             render + " --seconds 1 --note 5:36", render + " --seconds 1 --note 1e300:60",
             render + " --seconds 1 --note 0:36 --note 1:36"}) {
        const RunResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_NE(result.err.find("usage"), std::string::npos) << arguments;
        EXPECT_TRUE(folder.names().empty()) << arguments;
    }
    EXPECT_NE(run("samples --quiet").err.find("samples needs --out"), std::string::npos);
}

// A bad argument is told with its own command's synopsis, as the whole help shows it, and a pointer to the help.
TEST_F(KravoHost, AUsageErrorShowsTheSynopsisOfItsCommandAlone)
{
    const std::string help = run("help").out;
    const std::string wav = " --out " + (folder / "x.wav").string();
    const std::pair<std::string, std::string> cases[] = {
        {"render --rate 7999" + wav, "render"}, {"render --note 1e300:36" + wav, "render"}, // 24 hours
        {"params 9900", "params"}, {"samples --note 0:36" + wav, "samples"}, {"editor --page 9", "editor"},
        {"view", "view"}};
    for (const auto& [arguments, command] : cases) {
        const RunResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments;
        const auto start = result.err.find("\nusage:\n");
        const auto end = result.err.find("'kravo-host help'");
        ASSERT_TRUE(start != std::string::npos && end != std::string::npos && start < end) << result.err;
        const std::string synopsis = result.err.substr(start + 8, end - start - 8);
        EXPECT_EQ(synopsis.rfind("  kravo-host " + command + " ", 0), 0u) << result.err;
        EXPECT_EQ(synopsis.find("kravo-host", 3), std::string::npos) << result.err;
        EXPECT_NE(help.find(synopsis), std::string::npos) << result.err;
    }
    EXPECT_NE(run("render --note 1e300:36" + wav).err.find("would last 1e+300 s, over"), std::string::npos);
    for (const std::string arguments : {"", "dance"}) {
        const RunResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_NE(result.err.find("commands: render params samples editor view help\n"), std::string::npos)
            << result.err;
        EXPECT_EQ(result.err.find("--out"), std::string::npos) << result.err;
    }
}

// In a log, a long job says how far it has come on a plain line at every tenth of it.
TEST_F(KravoHost, ProgressGoesToALogAsPlainLines)
{
    const RunResult result = run("render --note 0:36 --seconds 6 --out " + (folder / "long.wav").string());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err.find('\r'), std::string::npos) << result.err;
    std::size_t lines = 0;
    for (auto at = result.err.find("kravo-host: rendered"); at != std::string::npos;
         at = result.err.find("kravo-host: rendered", at + 1))
        ++lines;
    EXPECT_EQ(lines, 10u) << result.err;
    EXPECT_NE(result.err.find("kravo-host: rendered 3.0 of 6.0 s (50 %)\n"), std::string::npos) << result.err;
}

TEST_F(KravoHost, AMidiFileProblemExitsWithTwoAndAnOutputThatCannotBeCreatedWithOneBeforeRendering)
{
    folder.writeFile("broken.mid", std::string("MThd\0\0\0\6\0\0\0\1\0\x60MTrk\0\0\0\x40\0\x90", 24));
    folder.writeFile("keep.wav", "old");
    std::filesystem::create_directory(folder / "songs.mid");
    const std::string broken = (folder / "broken.mid").string();
    const std::string missing = (folder / "missing.mid").string();
    const std::string songs = (folder / "songs.mid").string();
    const std::set<std::string> before = folder.names();
    for (const auto& [midi, message] : {std::pair{broken, broken + ": "},
                                        std::pair{missing, "cannot open MIDI file " + missing + "\n"},
                                        std::pair{songs, songs + " is a folder, not a MIDI file"}}) {
        const RunResult result = run("render --out " + (folder / "keep.wav").string() + " --midi " + midi);
        EXPECT_EQ(result.exitCode, 2) << midi;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find(midi), result.err.rfind(midi)) << result.err;
        EXPECT_EQ(folder.names(), before) << midi;
        EXPECT_EQ(folder.readFile("keep.wav"), "old");
    }

    for (const std::string& out : {(folder / "missing" / "x.wav").string(), folder.path().string()}) {
        // Long enough to show progress, had it started rendering.
        const RunResult result = run("render --out " + out + " --note 0:36 --seconds 6");
        EXPECT_EQ(result.exitCode, 1) << out;
        EXPECT_NE(result.err.find(out), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find("rendered"), std::string::npos) << result.err;
        EXPECT_EQ(folder.names(), before) << out;
        const RunResult sheet = run("samples --out " + out);
        EXPECT_EQ(sheet.exitCode, 1) << out;
        EXPECT_NE(sheet.err.find(out), std::string::npos) << sheet.err;
        EXPECT_EQ(sheet.err.find("sample 1"), std::string::npos) << sheet.err;
    }
}

// The state is kept as the WAV file is written: whole or not at all, its place checked before rendering.
TEST_F(KravoHost, AStateFileThatCannotBeWrittenStopsTheRenderEarlyOrLeavesTheOlderOne)
{
    folder.writeFile("keep.wav", "old");
    folder.writeFile("kit.state", "old");
    const std::set<std::string> before = folder.names();
    const std::string out = " --out " + (folder / "keep.wav").string();
    for (const std::string& state : {(folder / "missing" / "kit.state").string(), folder.path().string(),
                                     std::string("/dev/full")}) {
        // Long enough to show progress, had it started rendering.
        const RunResult result = run("render --note 0:36 --seconds 6 --save-state " + state + out);
        EXPECT_EQ(result.exitCode, 1) << state;
        EXPECT_NE(result.err.find(state), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find("rendered"), std::string::npos) << result.err;
        EXPECT_EQ(folder.names(), before) << state;
        EXPECT_EQ(folder.readFile("keep.wav"), "old") << state;
    }

    // The WAV file fits; the state, over a megabyte, does not.
    const std::string state = (folder / "kit.state").string();
    const RunResult full = run("render --quiet --seconds 0.01 --save-state " + state + out, diskFullAfter(100));
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_NE(full.err.find("cannot write " + state), std::string::npos) << full.err;
    EXPECT_EQ(folder.names(), before);
    EXPECT_EQ(folder.readFile("kit.state"), "old");
    EXPECT_EQ(folder.readFile("keep.wav"), "old");
}

// A replaced output keeps its permission bits (an executable bit, which no new file gets, among them). A link given
// as an output stays and the file it leads to is replaced (or, dangling, created).
TEST_F(KravoHost, AnOutputKeepsItsPermissionBitsAndOneThroughALinkReplacesTheLinksTarget)
{
    namespace fs = std::filesystem;
    const fs::perms owned = fs::perms::owner_all | fs::perms::group_read;
    fs::create_directory(folder / "kept");
    for (const std::string name : {"kept/take.wav", "kept/kit.state", "kept/shot.png"}) {
        folder.writeFile(name, "old");
        fs::permissions(folder / name, owned);
    }
    for (const std::string name : {"take.wav", "kit.state", "shot.png", "new.wav"})
        fs::create_symlink("kept/" + name, folder / name);
    const auto at = [&](const std::string& name) { return (folder / name).string(); };
    ASSERT_EQ(run("render --quiet --seconds 0.01 --out " + at("take.wav") + " --save-state " + at("kept/kit.state"))
                  .exitCode, 0);
    ASSERT_EQ(run("render --quiet --seconds 0.01 --out " + at("new.wav") + " --save-state " + at("kit.state"))
                  .exitCode, 0);
    ASSERT_EQ(run("view --png " + at("shot.png")).exitCode, 0);
    for (const std::string name : {"take.wav", "kit.state", "shot.png", "new.wav"}) {
        EXPECT_TRUE(fs::is_symlink(folder / name)) << name;
        EXPECT_GT(folder.readFile("kept/" + name).size(), 3u) << name;
        EXPECT_EQ(fs::status(folder / name).permissions() == owned, name != "new.wav") << name;
    }
    EXPECT_EQ(folder.names(), (std::set<std::string>{"kept", "take.wav", "kit.state", "shot.png", "new.wav"}));
    EXPECT_EQ(readWav(at("new.wav")).frames, 441);
}

TEST_F(KravoHost, ALoadedStateNamesTheChunksItLeavesOutOrThatTheInstanceRefuses)
{
    const std::string out = " --quiet --seconds 0.01 --out " + (folder / "take.wav").string();
    const std::string kit = (folder / "kit.state").string();
    ASSERT_EQ(run("render --save-state " + kit + out).exitCode, 0);
    const std::string kept = folder.readFile("kit.state");
    const auto chunks = host::decodeStateFile(std::vector<std::uint8_t>(kept.begin(), kept.end()));
    const auto writeState = [&](const std::string& name, const std::vector<host::StateChunkRecord>& changed) {
        const auto bytes = host::encodeStateFile(changed);
        folder.writeFile(name, std::string(bytes.begin(), bytes.end()));
        return (folder / name).string();
    };

    auto unknown = chunks;
    unknown.push_back({0x61626364, std::vector<std::uint8_t>{56, 0, 0, 0}});
    unknown.back().record.resize(56);
    const std::string withUnknown = writeState("unknown.state", unknown);
    const RunResult leftOut = run("render --load-state " + withUnknown + out);
    EXPECT_EQ(leftOut.exitCode, 0) << leftOut.err;
    EXPECT_NE(leftOut.err.find("state file " + withUnknown +
                               ": chunk 'abcd' is not one this instance declares; left out\n"),
              std::string::npos)
        << leftOut.err;

    // Another plug-in's MIDI chunk: its record's third word names whose it is.
    auto foreign = chunks;
    for (host::StateChunkRecord& chunk : foreign)
        if (chunk.id == 0x6D696469)
            std::fill_n(chunk.record.begin() + 8, 4, std::uint8_t{'x'});
    const RunResult refused = run("render --load-state " + writeState("foreign.state", foreign) + out);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("chunk 'midi': it is not this plug-in's (-7157)\n"), std::string::npos) << refused.err;

    const RunResult aFolder = run("render --load-state " + folder.path().string() + out);
    EXPECT_EQ(aFolder.exitCode, 2);
    EXPECT_NE(aFolder.err.find("the state file " + folder.path().string() + " cannot be loaded: it is a folder\n"),
              std::string::npos)
        << aFolder.err;
}

// A picture that cannot be written is an error, and whatever picture had the name before stays.
TEST_F(KravoHost, APictureThatCannotBeWrittenExitsWithOneAndLeavesTheOlderOne)
{
    folder.writeFile("old.png", "old");
    const std::string old = (folder / "old.png").string();
    for (const std::string command : {"editor", "view"}) {
        const RunResult device = run(command + " --png /dev/full");
        EXPECT_EQ(device.exitCode, 1) << command;
        EXPECT_NE(device.err.find("kravo-host: cannot write the picture /dev/full\n"), std::string::npos)
            << device.err;
        const RunResult full = run(command + " --png " + old, diskFullAfter(8));
        EXPECT_EQ(full.exitCode, 1) << command;
        EXPECT_NE(full.err.find("kravo-host: cannot write the picture " + old + "\n"), std::string::npos)
            << full.err;
        EXPECT_EQ(folder.readFile("old.png"), "old") << command;
        EXPECT_EQ(folder.names(), std::set<std::string>{"old.png"}) << command;
    }
}

// The editor opened as a host opens it, drawn headless and written as a picture of its window.
TEST_F(KravoHost, TheEditorCommandWritesAPictureOfTheEditorsWindow)
{
    const std::string png = (folder / "editor.png").string();
    const RunResult result = run("editor --program 3 --set 2=0.5 --png " + png);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string bytes = folder.readFile("editor.png");
    ASSERT_GT(bytes.size(), 24u);
    const auto word = [&](std::size_t at) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
        return static_cast<std::uint32_t>(platform::readBigEndian(data + at, 4));
    };
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    EXPECT_EQ(std::tuple(word(16), word(20)), std::tuple(984u, 623u));

    // A click on the page button of "none" takes the effects panel away.
    const std::string none = (folder / "none.png").string();
    ASSERT_EQ(run("editor --program 3 --set 2=0.5 --page 4 --png " + none).exitCode, 0);
    EXPECT_NE(folder.readFile("none.png"), bytes);
    EXPECT_EQ(run("editor --page 5 --png " + none).exitCode, 2);
    EXPECT_EQ(run("editor --voice 20 --png " + none).exitCode, 0);
    EXPECT_EQ(run("editor --voice 24 --png " + none).exitCode, 2);
    // The sample page's layer B button clicked after the sample voice's select button.
    const std::string layerA = (folder / "layer-a.png").string();
    const std::string layerB = (folder / "layer-b.png").string();
    ASSERT_EQ(run("editor --voice 16 --png " + layerA).exitCode, 0);
    ASSERT_EQ(run("editor --voice 16 --layer B --png " + layerB).exitCode, 0);
    EXPECT_NE(folder.readFile("layer-a.png"), folder.readFile("layer-b.png"));
    EXPECT_EQ(run("editor --voice 16 --layer C --png " + layerB).exitCode, 2);

    // The modulation page with the effects panel of slot 3, then of slot 1.
    const std::string third = (folder / "third.png").string();
    ASSERT_EQ(run("editor --page 3 --fx-slot 2 --set 1552=0.09 --png " + third).exitCode, 0);
    ASSERT_EQ(run("editor --page 3 --fx-slot 0 --set 1552=0.09 --png " + none).exitCode, 0);
    EXPECT_NE(folder.readFile("third.png"), folder.readFile("none.png"));
    EXPECT_EQ(run("editor --page 3 --fx-slot 4 --png " + none).exitCode, 2);

    // The pattern page's options click its select light, track button and View switch.
    const std::string pattern = (folder / "pattern.png").string();
    ASSERT_EQ(run("editor --program 3 --set 2=0.5 --pattern 5 --png " + pattern).exitCode, 0);
    const std::string groove = folder.readFile("pattern.png");
    EXPECT_NE(groove, bytes);
    ASSERT_EQ(run("editor --program 3 --set 2=0.5 --pattern 5 --track 2 --view 1 --png " + pattern).exitCode, 0);
    EXPECT_NE(folder.readFile("pattern.png"), groove);
    EXPECT_EQ(run("editor --pattern 8 --png " + pattern).exitCode, 2);
    EXPECT_EQ(run("editor --track 4 --png " + pattern).exitCode, 2);
    EXPECT_EQ(run("editor --view 2 --png " + pattern).exitCode, 2);

    EXPECT_EQ(run("editor --set 9900=1 --png " + png).exitCode, 2);
    EXPECT_EQ(run("editor --png").exitCode, 2);
    const RunResult unwritable = run("editor --png " + (folder / "missing" / "editor.png").string());
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos) << unwritable.err;
}

// Without editor-state options the editor opens as a host opens it, through the view routines on the
// WinPlugInOpen road: the picture is the one the plug-in object's own editor gives.
TEST_F(KravoHost, TheEditorOpenedThroughTheHostsRoutinesLooksAsBefore)
{
    const std::string host = (folder / "host.png").string();
    const std::string direct = (folder / "direct.png").string();
    // The adaptor's process announces itself on the debug output: the host's road made an instance.
    const RunResult hosted = run("editor --program 3 --set 2=0.5 --png " + host, "KRAVO_DEBUG_OUTPUT=1 ");
    ASSERT_EQ(hosted.exitCode, 0) << hosted.err;
    EXPECT_NE(hosted.err.find("Process sr= 44100"), std::string::npos) << hosted.err;
    // Users do not see it.
    EXPECT_EQ(run("editor --program 3 --png " + (folder / "quiet.png").string()).err.find("Process sr="),
              std::string::npos);
    const RunResult plain = run("editor --program 3 --set 2=0.5 --view 0 --png " + direct, "KRAVO_DEBUG_OUTPUT=1 ");
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_EQ(plain.err.find("Process sr="), std::string::npos) << plain.err;
    EXPECT_EQ(folder.readFile("host.png"), folder.readFile("direct.png"));
}

// The pixels of a picture the host wrote, as 0xRRGGBB by (h, v).
class Picture {
public:
    explicit Picture(const std::string& bytes)
        : png_(Toolkit::readPng(std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())))
    {
        if (png_.bitmap != nullptr)
            GetObjectA(png_.bitmap, sizeof bitmap_, &bitmap_);
    }
    ~Picture() { DeleteObject(png_.bitmap); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int width() const { return png_.width; }
    int height() const { return png_.height; }
    std::uint32_t at(int h, int v) const
    {
        const auto* row = static_cast<const std::uint8_t*>(bitmap_.bits) +
                          static_cast<std::ptrdiff_t>(png_.height - 1 - v) * bitmap_.widthBytes;
        const std::uint8_t* pixel = row + 4 * h;
        return static_cast<std::uint32_t>(pixel[2] << 16 | pixel[1] << 8 | pixel[0]);
    }

private:
    Toolkit::DecodedPng png_;
    BITMAP bitmap_{};
};

// On the registration road the instance has its host views: the grey root where the host put it, the
// editor's child window centred on the window's bottom edge over it.
TEST_F(KravoHost, TheViewCommandShowsTheHostViewsWithTheEditorInside)
{
    const std::string png = (folder / "v.png").string();
    const RunResult result = run("view --window 1200\u00d7700 --png " + png);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Picture picture(folder.readFile("v.png"));
    ASSERT_EQ(std::tuple(picture.width(), picture.height()), std::tuple(1200, 700));
    // The reader premultiplies by an alpha of 255, which may take a component one down.
    const auto grey = [&](int h, int v) {
        const std::uint32_t pixel = picture.at(h, v);
        return pixel == 0x888888 || pixel == 0x878787;
    };
    EXPECT_TRUE(grey(50, 20));
    EXPECT_TRUE(grey(107, 642));
    EXPECT_TRUE(grey(1033, 76));
    EXPECT_FALSE(grey(49, 20));
    EXPECT_FALSE(grey(50, 19));
    EXPECT_FALSE(grey(1034, 20));

    // The editor's own picture stands at (108, 77).
    const std::string editor = (folder / "editor.png").string();
    ASSERT_EQ(run("editor --png " + editor).exitCode, 0);
    const Picture alone(folder.readFile("editor.png"));
    ASSERT_EQ(std::tuple(alone.width(), alone.height()), std::tuple(984, 623));
    for (const auto& [h, v] : {std::pair{0, 0}, std::pair{500, 300}, std::pair{983, 622}, std::pair{120, 40}})
        EXPECT_EQ(picture.at(108 + h, 77 + v), alone.at(h, v)) << h << "," << v;

    // Without --window the window is the view's size; the program and settings take effect.
    ASSERT_EQ(run("view --program 2 --set 5=0.3 --png " + png).exitCode, 0);
    const Picture own(folder.readFile("v.png"));
    EXPECT_EQ(std::tuple(own.width(), own.height()), std::tuple(984, 623));

    for (const std::string option : {"--voice 3", "--page 1", "--layer A", "--pattern 1", "--track 1", "--view 1",
                                     "--fx-slot 1"})
        EXPECT_EQ(run("view " + option + " --png " + png).exitCode, 2) << option;
    EXPECT_EQ(run("view").exitCode, 2);
    EXPECT_EQ(run("view --window 1200 --png " + png).exitCode, 2);
    EXPECT_EQ(run("view --window 0x700 --png " + png).exitCode, 2);
}

// 96 ticks per quarter note at 120 bpm: 96 ticks are half a second.
std::string midiFileWithTrack(const std::string& track)
{
    std::string file("MThd\0\0\0\6\0\0\0\1\0\x60MTrk", 18);
    for (int shift = 24; shift >= 0; shift -= 8)
        file += static_cast<char>(track.size() >> shift);
    return file + track;
}

TEST_F(KravoHost, MidiFilesThatPlayersAcceptPlayWithOneWarningAndTheirTrailingSilenceIsKept)
{
    const std::string endOfTrack("\0\xff\x2f\0", 4);
    const std::string withClockBytes = std::string("\0\x99\x24\x64\0\xf8\0\xf8\x10\x26\x50", 11) + endOfTrack;
    const std::string acrossMeta = std::string("\0\x99\x24\x64\0\xff\x01\x01x\x10\x26\x50", 12) + endOfTrack;
    const std::string wav = (folder / "played.wav").string();
    for (const std::string& track : {withClockBytes, acrossMeta}) {
        folder.writeFile("song.mid", midiFileWithTrack(track));
        const RunResult result = run("render --quiet --bits 16 --midi " + (folder / "song.mid").string() + " --out " + wav);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const auto warned = result.err.find("warning");
        EXPECT_NE(warned, std::string::npos) << result.err;
        EXPECT_EQ(result.err.find("warning", warned + 1), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(" at byte 0x"), std::string::npos) << result.err; // the first place named
        EXPECT_EQ(readWav(wav).frames, std::lround((16.0 / 96 * 0.5 + 2.0) * 44100));
    }

    // End of Track ten quarters (5 s) after the only note: 5 s plus the 2 s tail.
    const std::string longTrack = midiFileWithTrack(std::string("\0\x99\x24\x64\x87\x40\xff\x2f\0", 9));
    folder.writeFile("long.mid", longTrack);
    const RunResult result = run("render --quiet --midi " + (folder / "long.mid").string() + " --out " + wav);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.err.find("warning") == std::string::npos) << result.err;
    EXPECT_EQ(readWav(wav).frames, 7 * 44100);

    // The same file in a RIFF "RMID" wrapper plays as it is; a header counting two tracks plays the one there.
    const auto riffLength = [](std::size_t n) {
        std::string word;
        for (int shift = 0; shift < 32; shift += 8)
            word += static_cast<char>(n >> shift);
        return word;
    };
    folder.writeFile("long.rmi", "RIFF" + riffLength(longTrack.size() + 12) + "RMIDdata" +
                                     riffLength(longTrack.size()) + longTrack);
    std::string twoCounted = longTrack;
    twoCounted[11] = 2;
    folder.writeFile("two.mid", twoCounted);
    for (const auto& [name, warning] : {std::pair{"long.rmi", ""}, std::pair{"two.mid", "holds 1 track"}}) {
        const RunResult played = run("render --quiet --midi " + (folder / name).string() + " --out " + wav);
        ASSERT_EQ(played.exitCode, 0) << played.err;
        const bool warned = *warning != 0;
        EXPECT_EQ(played.err.find("warning") != std::string::npos, warned) << played.err;
        if (warned) {
            EXPECT_NE(played.err.find(warning), std::string::npos) << played.err;
        }
        EXPECT_EQ(readWav(wav).frames, 7 * 44100) << name;
    }
}

// Note 60 starts the first pattern; its first track plays the kick on steps 0
// and 8, half a bar apart: 1 s at 120 BPM, 2 s at 60.
TEST_F(KravoHost, APatternPadPlaysThePatternInTimeWithTheTempo)
{
    const std::string wav = (folder / "groove.wav").string();
    // The first pattern of program 0 emptied but for its first track's kicks on steps 0 and 8, full
    // velocity, on time, with no swing.
    std::string pattern = " --set 2324=0 --set 2340=0 --set 3936=1 --set 3944=1 --set 5472=0 --set 5480=0";
    for (int track = 0; track < 4; ++track)
        for (int step = 0; step < 16; ++step)
            pattern += " --set " + std::to_string(2400 + 16 * track + step) + "=" +
                       (track == 0 && step % 8 == 0 ? "1" : "0");
    for (const auto& [tempo, second] : {std::pair{120, 1.0}, std::pair{60, 2.0}}) {
        const RunResult result = run("render --quiet --out " + wav + " --play --tempo " + std::to_string(tempo) +
                                     pattern + " --note 0:60:100:3 --seconds 2.5");
        ASSERT_EQ(result.exitCode, 0) << result.err;
        ASSERT_EQ(readWav(wav).frames, 110250);
        const auto peak = [&](double from, double to) { // times in seconds of interleaved stereo
            float p = 0.0f;
            for (long i = std::lround(from * 88200); i < std::lround(to * 88200); ++i)
                p = std::max(p, std::abs(samples[static_cast<std::size_t>(i)]));
            return p;
        };
        EXPECT_GT(peak(0.0, 0.05), 0.1f) << tempo;
        // The first kick's tail has faded well below the second kick when it comes.
        EXPECT_GT(peak(second, second + 0.05), std::max(0.1f, 3.0f * peak(second - 0.15, second - 0.01))) << tempo;
    }
}

} // namespace

// The listening sheet: every built-in sample with a quarter-second gap after it; the gaps alone fill 265 quarters.
TEST_F(KravoHost, TheSampleSheetHoldsEveryBuiltInSampleWithAGapAfterEach)
{
    const std::string wav = (folder / "sheet.wav").string();
    const RunResult result = run("samples --quiet --rate 8000 --bits 16 --out " + wav);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const SF_INFO info = readWav(wav);
    EXPECT_EQ(std::tuple(info.samplerate, info.channels, info.format), std::tuple(8000, 2, SF_FORMAT_WAV | SF_FORMAT_PCM_16));
    EXPECT_GE(info.frames, 265 * 2000);
    EXPECT_TRUE(std::all_of(samples.end() - 2 * 2000, samples.end(), [](float s) { return s == 0.0f; }));
}

// A sample slot takes its file's name character by character (code plus a half, over 256, a zero
// after the last) and reads the file when 9899 is written, whatever 9899 held before.
TEST_F(KravoHost, EveryWriteOfTheReloadReadsTheFileNamedThen)
{
    const std::filesystem::path samplesFolder = io / "drive" / "c" / "Kravo" / "Samples";
    std::filesystem::create_directories(samplesFolder);
    ASSERT_EQ(run("render --quiet --note 0:39:127 --seconds 0.3 --bits 16 --out " + (samplesFolder / "a.wav").string())
                  .exitCode, 0);
    ASSERT_EQ(run("render --quiet --note 0:36:127 --seconds 0.3 --bits 16 --out " + (samplesFolder / "b.wav").string())
                  .exitCode, 0);
    const auto named = [](char first) {
        return " --set 6840=" + std::to_string((first + 0.5) / 256) + " --set 6841=0.1816 --set 6842=0.4668" +
               " --set 6843=0.3809 --set 6844=0.4629 --set 6845=0";
    };
    const std::string play = " --set 6800=1 --set 6304=1";
    const std::string renderSlot = "render --quiet --note 0.5:16 --seconds 1 --out ";
    const std::string once = (folder / "once.wav").string();
    const std::string twice = (folder / "twice.wav").string();
    ASSERT_EQ(run(renderSlot + once + named('a') + play + " --set 9899=1").exitCode, 0);
    ASSERT_EQ(run(renderSlot + twice + named('b') + play + " --set 9899=1" + named('a') + " --set 9899=1").exitCode, 0);
    readWav(once);
    EXPECT_TRUE(std::any_of(samples.begin(), samples.end(), [](float sample) { return sample != 0.0f; }));
    EXPECT_TRUE(folder.readFile("once.wav") == folder.readFile("twice.wav"));
}

// The plug-in seeds its noise from the tick count, so only a clock that starts alike keeps a hat the same.
TEST_F(KravoHost, TwoRunsOfOneRenderWriteTheSameBytes)
{
    for (const std::string bits : {"", " --bits 16"}) {
        for (const std::string name : {"first.wav", "second.wav"})
            ASSERT_EQ(run("render --quiet --note 0.1:42 --seconds 0.5" + bits + " --out " + (folder / name).string())
                          .exitCode,
                      0);
        const std::string first = folder.readFile("first.wav");
        EXPECT_GT(first.size(), 44100u) << bits;
        EXPECT_TRUE(first == folder.readFile("second.wav")) << bits;
    }
}

// 600 events, over 250 of them in the first block of 65536 frames: more than the plug-in queues in one call.
TEST_F(KravoHost, EveryNoteOfACrowdedBlockPlays)
{
    std::string notes;
    for (int k = 0; k < 300; ++k)
        notes += " --note " + std::to_string(k * 0.005) + ":36";
    std::vector<float> rendered[2];
    for (const int block : {512, 65536}) {
        const std::string wav = (folder / "crowded.wav").string();
        const RunResult result =
            run("render --quiet --seconds 3" + notes + " --block " + std::to_string(block) + " --out " + wav);
        ASSERT_EQ(result.exitCode, 0) << block << ": " << result.err;
        ASSERT_EQ(readWav(wav).frames, 3 * 44100);
        rendered[block == 512 ? 0 : 1] = samples;
    }
    EXPECT_TRUE(rendered[0] == rendered[1]);
    // The queue's first 250 events end at 0.625 s; the kicks go on sounding well after that.
    EXPECT_TRUE(std::any_of(rendered[1].begin() + 1.2 * 88200, rendered[1].begin() + 1.4 * 88200,
                            [](float sample) { return std::abs(sample) > 0.05f; }));
}

// Seventeen pads at full velocity and full Main Volume run far past full scale.
TEST_F(KravoHost, AnIntegerRenderThatClipsSaysSoOnceAndStillSucceeds)
{
    std::string notes;
    for (int pad = 35; pad <= 51; ++pad)
        notes += " --note 0.01:" + std::to_string(pad) + ":127";
    const std::string wav = (folder / "loud.wav").string();
    for (const std::string bits : {"16", "24", "32f"}) {
        const RunResult result = run("render --quiet --seconds 0.5 --set 2=1 --bits " + bits + notes + " --out " + wav);
        ASSERT_EQ(result.exitCode, 0) << bits << ": " << result.err;
        const auto reported = result.err.find("samples clipped, peak +");
        if (bits == "32f") {
            EXPECT_EQ(reported, std::string::npos) << bits; // float output keeps the peaks
            continue;
        }
        ASSERT_NE(reported, std::string::npos) << bits << ": " << result.err;
        EXPECT_EQ(result.err.find("samples clipped", reported + 1), std::string::npos) << bits;
        EXPECT_NE(result.err.find("parameter 2"), std::string::npos) << bits;
    }
    EXPECT_EQ(run("render --quiet --seconds 0.5 --bits 16 --note 0.01:36 --out " + wav).err.find("clipped"),
              std::string::npos);
}
