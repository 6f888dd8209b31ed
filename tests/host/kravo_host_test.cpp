#include "platform/shell_command.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using kravo::test::TempFolder;

struct RunResult {
    int exitCode;
    std::string out;
    std::string err;
};

class KravoHost : public ::testing::Test {
protected:
    RunResult run(const std::string& arguments)
    {
        // The plug-in reads and writes its settings store: keep it away from the user's own.
        const std::string command = "KRAVO_REGISTRY=" + (folder / "registry.txt").string() +
                                    " KRAVO_DRIVE_ROOT=" + (folder / "drive").string() + " " +
                                    std::string(KRAVO_HOST_PATH) + " " + arguments + " >" +
                                    (folder / "out.txt").string() + " 2>" + (folder / "err.txt").string();
        const int exitCode = platform::runShellCommand(command);
        return {exitCode, folder.readFile("out.txt"), folder.readFile("err.txt")};
    }

    // What is in the folder besides the captured output.
    std::set<std::string> names() const
    {
        std::set<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            found.insert(entry.path().filename().string());
        found.erase("out.txt");
        found.erase("err.txt");
        return found;
    }

    TempFolder folder;
};

TEST_F(KravoHost, RenderWritesAStereoWavOfTheAskedLengthAndFormat)
{
    const std::string wav = (folder / "tiny.wav").string();
    const RunResult result = run("render --out " + wav + " --rate 48000 --block 100 --note 0:36 --seconds 0.5 --bits 16");
    ASSERT_EQ(result.exitCode, 0) << result.err;

    SF_INFO info{};
    SNDFILE* file = sf_open(wav.c_str(), SFM_READ, &info);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(info.samplerate, 48000);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.frames, 24000);
    EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    sf_close(file);
}

// The factory kick rings for about 0.3 s: neither the program the plug-in
// starts with nor one the host selects may cut it short.
TEST_F(KravoHost, ANoteAtTheStartSoundsItsWholeLength)
{
    for (const std::string program : {"", " --program 3"}) {
        const std::string wav = (folder / "kick.wav").string();
        ASSERT_EQ(run("render --quiet --out " + wav + program + " --note 0:36 --seconds 0.5").exitCode, 0);
        SF_INFO info{};
        SNDFILE* file = sf_open(wav.c_str(), SFM_READ, &info);
        ASSERT_NE(file, nullptr);
        std::vector<float> frames(static_cast<std::size_t>(info.frames) * 2);
        sf_readf_float(file, frames.data(), info.frames);
        sf_close(file);
        const auto peak = [&](double from, double to) {
            float p = 0.0f;
            for (auto i = static_cast<std::size_t>(from * 88200); i < static_cast<std::size_t>(to * 88200); ++i)
                p = std::max(p, std::abs(frames[i]));
            return p;
        };
        EXPECT_GT(peak(0.0, 0.1), 0.1f) << program;
        EXPECT_GT(peak(0.19, 0.21), 0.05f) << program;
    }
}

TEST_F(KravoHost, RenderLengthDefaultsToLastEventPlusTwoSeconds)
{
    const std::string wav = (folder / "default.wav").string();
    ASSERT_EQ(run("render --quiet --out " + wav + " --note 1:38:90:0.5").exitCode, 0);
    SF_INFO info{};
    SNDFILE* file = sf_open(wav.c_str(), SFM_READ, &info);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(info.frames, 44100 * 7 / 2); // note ends at 1.5 s, then 2 s of tail
    EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    sf_close(file);
}

TEST_F(KravoHost, ParamsPrintsOneLinePerIndex)
{
    const RunResult result = run("params --set 3=0.25 0 3 9899");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.rfind("0\t", 0), 0u);
    int lines = 0;
    for (char c : result.out)
        lines += c == '\n';
    EXPECT_EQ(lines, 3);
    EXPECT_NE(result.out.find("\n9899\t"), std::string::npos);
    EXPECT_NE(result.out.find("\n3\t\t\t\t0.25\n"), std::string::npos) << result.out;
}

TEST_F(KravoHost, BadArgumentsAreAUsageErrorWithExitCodeTwoAndWriteNothing)
{
    const std::string render = "render --out " + (folder / "x.wav").string();
    for (const std::string& arguments : std::vector<std::string>{
             "", "dance", "render", render + " --rate", render + " --note 1", "params", "params 9900",
             "params --set 5 1", render + " --bits 12", render + " --program 32",
             render + " --rate 7999", render + " --rate 384001",
             render + " --set 5=1.01", "params --set 5=-0.5 5", "params --set 5=nan 5",
             render + " --seconds 86400.5", render + " --seconds inf", render + " --note nan:36",
             render + " --note 0:36:100:inf", render + " --note 86399:36", render + " --note 3e14:36",
             render + " --note 1e308:36:100:1e308"}) {
        const RunResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_NE(result.err.find("usage"), std::string::npos) << arguments;
        EXPECT_TRUE(names().empty()) << arguments;
    }
}

TEST_F(KravoHost, LowestAndHighestRateAndValueAreAccepted)
{
    const std::string wav = (folder / "edge.wav").string();
    for (const auto& [rate, value] : {std::pair{8000, "0"}, std::pair{384000, "1"}}) {
        const RunResult result =
            run("render --out " + wav + " --rate " + std::to_string(rate) + " --set 3=" + value + " --seconds 0.01");
        ASSERT_EQ(result.exitCode, 0) << result.err;
        SF_INFO info{};
        SNDFILE* file = sf_open(wav.c_str(), SFM_READ, &info);
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(info.samplerate, rate);
        EXPECT_EQ(info.frames, rate / 100);
        sf_close(file);
    }
}

TEST_F(KravoHost, HelpIsPrintedOnStdoutWithExitCodeZero)
{
    for (const std::string arguments : {"help", "--help"}) {
        const RunResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 0) << arguments;
        EXPECT_NE(result.out.find("kravo-host render --out"), std::string::npos) << arguments;
        EXPECT_EQ(result.err, "") << arguments;
    }
}

TEST_F(KravoHost, MidiFileProblemsNameTheFileOnceExitWithTwoAndLeaveTheOutputAlone)
{
    folder.writeFile("broken.mid", std::string("MThd\0\0\0\6\0\0\0\1\0\x60MTrk\0\0\0\x40\0\x90", 24));
    folder.writeFile("keep.wav", "old");
    std::filesystem::create_directory(folder / "songs.mid");
    const std::string broken = (folder / "broken.mid").string();
    const std::string missing = (folder / "missing.mid").string();
    const std::string songs = (folder / "songs.mid").string();
    const std::set<std::string> before = names();
    for (const auto& [midi, message] : {std::pair{broken, broken + ": "},
                                        std::pair{missing, "cannot open MIDI file " + missing + "\n"},
                                        std::pair{songs, songs + " is a folder, not a MIDI file"}}) {
        const RunResult result = run("render --out " + (folder / "keep.wav").string() + " --midi " + midi);
        EXPECT_EQ(result.exitCode, 2) << midi;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find(midi), result.err.rfind(midi)) << result.err;
        EXPECT_EQ(names(), before) << midi;
        EXPECT_EQ(folder.readFile("keep.wav"), "old");
    }
}

TEST_F(KravoHost, AnOutputThatCannotBeCreatedFailsBeforeRendering)
{
    for (const std::string& out : {(folder / "missing" / "x.wav").string(), folder.path().string()}) {
        // Long enough to show progress, had it started rendering.
        const RunResult result = run("render --out " + out + " --note 0:36 --seconds 6");
        EXPECT_EQ(result.exitCode, 1) << out;
        EXPECT_NE(result.err.find(out), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find("rendered"), std::string::npos) << result.err;
        EXPECT_TRUE(names().empty()) << out;
    }
}

} // namespace
