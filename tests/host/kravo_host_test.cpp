#include "platform/shell_command.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <string>
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

TEST_F(KravoHost, ANoteOfThirtySixRendersAnAudibleKick)
{
    const std::string wav = (folder / "kick.wav").string();
    ASSERT_EQ(run("render --quiet --out " + wav + " --note 0:36 --seconds 0.5").exitCode, 0);
    SF_INFO info{};
    SNDFILE* file = sf_open(wav.c_str(), SFM_READ, &info);
    ASSERT_NE(file, nullptr);
    std::vector<float> frames(static_cast<std::size_t>(info.frames) * 2);
    sf_readf_float(file, frames.data(), info.frames);
    sf_close(file);
    float peak = 0.0f;
    for (float x : frames)
        peak = std::max(peak, std::abs(x));
    EXPECT_GT(peak, 0.05f);
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

TEST_F(KravoHost, BadArgumentsAreAUsageErrorWithExitCodeTwo)
{
    for (const std::string arguments :
         {"", "dance", "render", "render --out x.wav --rate", "render --out x.wav --note 1", "params",
          "params 9900", "params --set 5 1", "render --out x.wav --bits 12", "render --out x.wav --program 32"}) {
        const RunResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_NE(result.err.find("usage"), std::string::npos) << arguments;
    }
}

TEST_F(KravoHost, MalformedMidiFileIsAClearErrorWithExitCodeTwo)
{
    folder.writeFile("broken.mid", std::string("MThd\0\0\0\6\0\0\0\1\0\x60MTrk\0\0\0\x40\0\x90", 24));
    const RunResult result = run("render --out " + (folder / "x.wav").string() + " --midi " +
                                 (folder / "broken.mid").string());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("broken.mid"), std::string::npos);
}

} // namespace
