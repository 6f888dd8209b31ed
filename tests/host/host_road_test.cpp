#include "platform/shell_command.h"
#include "tests/support/plugin_renderer.h"
#include "tests/support/temp_folder.h"

#include "platform/clock.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <string>
#include <vector>

namespace {

// kravo-host with its own settings store and drive, as a user runs it.
class HostRoad : public ::testing::Test {
protected:
    int run(const std::string& arguments)
    {
        std::string command = "KRAVO_REGISTRY=";
        command.append((io / "registry.txt").string()).append(" KRAVO_DRIVE_ROOT=").append((io / "drive").string());
        command.append(" ").append(KRAVO_HOST_PATH).append(" ").append(arguments);
        command.append(" >").append((io / "out.txt").string()).append(" 2>").append((io / "err.txt").string());
        return platform::runShellCommand(command);
    }
    // Interleaved stereo samples of a float WAV file.
    static std::vector<float> readFloats(const std::string& path)
    {
        SF_INFO info{};
        SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
        if (file == nullptr)
            return {};
        std::vector<float> samples(static_cast<std::size_t>(info.frames * info.channels));
        sf_readf_float(file, samples.data(), info.frames);
        sf_close(file);
        return samples;
    }

    kravo::test::TempFolder io;
};

// The same notes, program and values played through the library's routines and straight into a
// plug-in object come out the same to the bit: the host road adds and loses nothing. (Kicks only:
// the noise and the humanised voices draw on a random source seeded from the clock.)
TEST_F(HostRoad, PlayingThroughTheRoutinesSoundsAsPlayingTheObject)
{
    const std::string wav = (io / "take.wav").string();
    ASSERT_EQ(run("render --quiet --block 64 --program 2 --set 2=0.5 --set 150=0.25 --set 900=0.75 "
                  "--note 0:36:100:0.1 --note 0.2:36:60:0.05 --seconds 0.3 --out " + wav),
              0)
        << io.readFile("err.txt");
    const std::vector<float> hosted = readFloats(wav);
    ASSERT_EQ(hosted.size(), 2u * 13230);

    // Seeded as kravo-host seeds it: its clock starts at tick 1.
    platform::ManualClock hostClock(1);
    platform::setClock(&hostClock);
    kravo::test::PluginRenderer direct(44100.0f, false);
    platform::setClock(nullptr);
    direct.timeInfo.sampleRate = 44100.0;
    direct.timeInfo.timeSigNumerator = 4;
    direct.timeInfo.timeSigDenominator = 4;
    direct.timeInfo.flags = plugTimePpqPosValid | plugTimeTempoValid;
    direct.plugin->setProgram(2);
    direct.render(8192); // the program change completes unheard, as the host lets it
    direct.left.clear();
    direct.right.clear();
    direct.set(2, 0.5f);
    direct.set(150, 0.25f);
    direct.set(900, 0.75f);
    direct.noteOn(36, 100);
    direct.render(4352); // the note-off at 0.1 s falls 58 frames into the block from 4352
    direct.midi(58, 0x89, 36, 0);
    direct.render(8768 - 4352); // the second kick at 0.2 s falls 52 frames into the block from 8768
    direct.midi(52, 0x99, 36, 60);
    direct.render(11008 - 8768); // its note-off at 0.25 s falls 17 frames into the block from 11008
    direct.midi(17, 0x89, 36, 0);

    direct.render(13230 - 11008);
    ASSERT_EQ(direct.left.size(), 13230u);
    std::size_t differing = 0;
    for (std::size_t i = 0; i < direct.left.size(); ++i)
        differing += hosted[2 * i] != direct.left[i] || hosted[2 * i + 1] != direct.right[i] ? 1 : 0;
    EXPECT_EQ(differing, 0u);
    float loudest = 0.0f;
    for (float sample : hosted)
        loudest = std::max(loudest, std::abs(sample));
    EXPECT_GT(loudest, 0.05f);
}

TEST_F(HostRoad, ParamsShowsTheObjectOrWhatAHostSees)
{
    ASSERT_EQ(run("params --set 2=0.5 2 0"), 0) << io.readFile("err.txt");
    const std::string object = io.readFile("out.txt");
    EXPECT_EQ(object.substr(0, object.find('\n')).substr(0, 14), "2\tMain Volume\t");
    ASSERT_EQ(run("params --host --set 2=0.5 2 0"), 0) << io.readFile("err.txt");
    EXPECT_EQ(io.readFile("out.txt"), "2\t0003 Main Volume\t0.5\tautomatable\t0.5\n"
                                      "0\t0001 -------------------\t0.0\tautomatable\t0\n");
}

TEST_F(HostRoad, ProgramKeysTurnedOffStopTheRender)
{
    io.writeFile("registry.txt", "kravo-registry 1\nkey SOFTWARE\\Vexo\\Kravo\nvalue Key 1 2 N%00\n");
    EXPECT_EQ(run("render --quiet --program 3 --seconds 0.1 --out " + (io / "take.wav").string()), 1);
    EXPECT_NE(io.readFile("err.txt").find("does not take the program keys"), std::string::npos);
    EXPECT_EQ(run("render --quiet --seconds 0.1 --out " + (io / "take.wav").string()), 0); // program 0 needs no key
}

// A whole instance kept in a state file comes back in a fresh run: the same notes sound the same.
TEST_F(HostRoad, AKeptStateRendersTheSameInAFreshRun)
{
    const std::string state = (io / "kit.state").string();
    const std::string notes = " --note 0:36 --note 0.25:36:70 --seconds 0.5 --quiet --out ";
    ASSERT_EQ(run("render --program 2 --set 2=0.5 --set 144=0.25" + notes + (io / "first.wav").string() +
                  " --save-state " + state),
              0)
        << io.readFile("err.txt");
    ASSERT_EQ(run("render --load-state " + state + notes + (io / "second.wav").string()), 0) << io.readFile("err.txt");
    const auto first = readFloats((io / "first.wav").string());
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first, readFloats((io / "second.wav").string()));

    const std::string kept = io.readFile("kit.state");
    io.writeFile("cut.state", kept.substr(0, kept.size() / 2));
    EXPECT_EQ(run("render --load-state " + (io / "cut.state").string() + notes + (io / "third.wav").string()), 2);
    EXPECT_NE(io.readFile("err.txt").find("cannot be loaded: the file ends inside chunk 'tQQt'"), std::string::npos);
    EXPECT_EQ(run("render --program 1 --load-state " + state + notes + (io / "third.wav").string()), 2);
}

} // namespace
