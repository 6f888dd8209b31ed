#include "plugin/programs/factory_bank.h"

#include "plugin/parameters/default_patch.h"
#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/pattern_parameters.h"
#include "plugin/parameters/sample_slot_parameters.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <tuple>
#include <vector>

namespace {

using namespace kravo;

std::string programFile(int p) { return "program_" + std::string(p < 10 ? "0" : "") + std::to_string(p) + ".txt"; }

using Values = std::array<float, param::kParameterCount>;

// "track Groove1 1 BD1 x...5..." : the track's pad, and On and Velocity of its 16 steps.
void expectTrack(std::istringstream& fields, Values& expected)
{
    static const std::vector<std::string> patterns = {"Groove1", "Groove2", "Groove3", "Groove4",
                                                      "Break1",  "Break2",  "Break3",  "Break4"};
    std::string pattern, pad, steps;
    int track = 0;
    fields >> pattern >> track >> pad >> steps;
    const int p = static_cast<int>(std::find(patterns.begin(), patterns.end(), pattern) - patterns.begin());
    const auto& pads = param::display::kTrackPadNames;
    const auto padNumber = static_cast<float>(std::find(pads.begin(), pads.end(), pad) - pads.begin());
    ASSERT_TRUE(p < 8 && padNumber < 24.0f && steps.size() == 16u) << pattern << " " << pad << " " << steps;
    expected[static_cast<std::size_t>(param::trackTargetPadIndex(p, track - 1))] = (padNumber + 0.5f) / 23.99f;
    for (int step = 0; step < 16; ++step) {
        const char c = steps[static_cast<std::size_t>(step)];
        expected[static_cast<std::size_t>(param::stepAttributeIndex(param::StepAttribute::On, p, track - 1, step))] =
            c == '.' ? 0.0f : 1.0f;
        expected[static_cast<std::size_t>(param::stepAttributeIndex(param::StepAttribute::Velocity, p, track - 1, step))] =
            c == '.' || c == 'x' ? 1.0f : static_cast<float>(c - '0') / 10.0f;
    }
}

// "sample 3 A Kravo Factory\Shaker.wav" : the layer's name in its parameters, and the layer on.
void expectSample(std::istringstream& fields, Values& expected)
{
    int slot = 0;
    std::string layer, name;
    fields >> slot >> layer;
    std::getline(fields >> std::ws, name);
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    const auto l = layer == "A" ? param::kLayerA : param::kLayerB;
    const int first = param::sampleNameIndex(l, slot - 1);
    for (int k = 0; k < param::kSampleNameLength; ++k)
        expected[static_cast<std::size_t>(first + k)] =
            k < static_cast<int>(name.size()) ? (static_cast<unsigned char>(name[static_cast<std::size_t>(k)]) + 0.5f) / 256.0f
                                              : 0.0f;
    expected[static_cast<std::size_t>(param::sampleLayerLayouts[static_cast<std::size_t>(l)].on + slot - 1)] = 1.0f;
}

// The program files list a name and only what differs from the default patch: every other value must be the
// default, and every listed one must be in the bank as written.
TEST(FactoryBank, EachProgramIsTheDefaultPatchWithItsFilesNameAndDifferences)
{
    const char* source = std::getenv("KRAVO_SOURCE_DIR");
    const std::filesystem::path folder = std::filesystem::path(source ? source : ".") / "resources" / "factory";
    std::array<float, param::kParameterCount> defaults{};
    fillDefaultValues(defaults);
    for (int p = 0; p < kProgramCount; ++p) {
        Values expected = defaults;
        const std::string name = programFile(p);
        std::ifstream in(folder / name);
        ASSERT_TRUE(in) << name;
        std::string line;
        while (std::getline(in, line)) {
            EXPECT_TRUE(line.rfind("name ", 0) != 0 || factoryProgramNames[p] == line.substr(5)) << name;
            std::istringstream fields(line.substr(0, line.find('#')));
            std::string key;
            fields >> key;
            if (key == "track")
                expectTrack(fields, expected);
            else if (key == "sample")
                expectSample(fields, expected);
            else if (int index = 0; std::istringstream(key) >> index)
                fields >> expected[static_cast<std::size_t>(index)];
        }
        for (int i = 0; i < param::kParameterCount; ++i)
            ASSERT_EQ(factoryBank[p][i], expected[i]) << name << " parameter " << i;
    }
}

// The bank is generated at build time by running the generator on the program files; these run it on files
// written here and check that bad data stops the build with a message naming file and line.
struct FactoryBankGeneratorTest : ::testing::Test {
    FactoryBankGeneratorTest()
    {
        for (int p = 0; p < 32; ++p)
            writeProgram(p, "name Program " + std::to_string(p) + "\n");
    }

    void writeProgram(int p, const std::string& content) const { folder.writeFile(programFile(p), content); }

    // Runs the generator over the 32 files; answers whether it succeeded.
    bool generate(int fileCount = 32) const
    {
        std::string command = "\"" KRAVO_FACTORY_BANK_GENERATOR "\" \"" + (folder / "bank.cpp").string() + "\"";
        for (int p = 0; p < fileCount; ++p)
            command += " \"" + (folder / programFile(p)).string() + "\"";
        command += " 2> \"" + (folder / "errors.txt").string() + "\"";
        return std::system(command.c_str()) == 0;
    }

    std::string errors() const { return folder.readFile("errors.txt"); }

    test::TempFolder folder;
};

TEST_F(FactoryBankGeneratorTest, NamesAndValuesReachTheBankSourceButBadDataOrAMissingFileFailsNamingFileAndLine)
{
    writeProgram(3, "# a comment line\nname SiFi 105bpm\n\n2 0.65   # Main Volume\n10 1\n"
                    "track Break4 4 Sample8 x..3............\nsample 8 B Kravo Factory\\Shaker.wav\n");
    ASSERT_TRUE(generate()) << errors();
    const std::string source = folder.readFile("bank.cpp");
    EXPECT_TRUE(source.find("\"SiFi 105bpm\"") != std::string::npos && source.find("0.65f") != std::string::npos);

    const std::tuple<int, std::string, std::string> cases[] = {
        {5, "name Bad\n# comment\n2 0.5\n3 1.5 # too loud\n", "program_05.txt:4: error: value 1.5 of parameter 3"},
        {31, "name Bad\n9900 0.5\n", "program_31.txt:2: error: unknown parameter index 9900"},
        {0, "name Bad\n2 -0.1\n", "program_00.txt:2: error:"}, {2, "2 0.5\n", "program_02.txt:"},
        {1, "name Bad\n2 0.5\n2 0.6\n", "program_01.txt:3: error:"}, {7, "name Bad\n2\n", "program_07.txt:2: error:"},
        {2, "name A name of more than twenty-four characters\n", "program_02.txt:1: error:"},
        {7, "name Bad\ntwo 0.5\n", "program_07.txt:2: error:"}, {7, "name Bad\n2 half\n", "program_07.txt:2: error:"},
        {7, "name Bad\n2 nan\n", "program_07.txt:2: error:"}, {7, "name Bad\n2 0.5 0.6\n", "program_07.txt:2: error:"},
        {4, "name Bad\ntrack Groove5 1 BD1 x...............\n", "program_04.txt:2: error: \"Groove5\" is not a pattern"},
        {4, "name Bad\ntrack Groove1 5 BD1 x...............\n", "program_04.txt:2: error:"},
        {4, "name Bad\ntrack Groove1 1 BD9 x...............\n", "program_04.txt:2: error: \"BD9\" is not a pad"},
        {4, "name Bad\ntrack Groove1 1 BD1 x..............\n", "program_04.txt:2: error: a track has 16 steps"},
        {4, "name Bad\ntrack Groove1 1 BD1 x.......o.......\n", "program_04.txt:2: error: step 9"},
        {4, "name Bad\n2400 1\ntrack Groove1 1 BD1 x...............\n", "program_04.txt:3: error: parameter 2400"},
        {4, "name Bad\ntrack Break4 4 Sample8 x...............\ntrack Break4 4 SN1 x...............\n",
         "program_04.txt:3: error:"},
        {6, "name Bad\nsample 9 A x.wav\n", "program_06.txt:2: error: \"9\" is not a sample slot"},
        {6, "name Bad\nsample 1 C x.wav\n", "program_06.txt:2: error: \"C\" is not a layer"},
        {6, "name Bad\nsample 1 A " + std::string(64, 'n') + "\n", "program_06.txt:2: error: a sample name"},
        {6, "name Bad\nsample 1 A a.wav\nsample 1 A b.wav\n", "program_06.txt:3: error:"}};
    for (const auto& [program, content, error] : cases) {
        writeProgram(program, content);
        EXPECT_TRUE(!generate() && errors().find(error) != std::string::npos) << content << ": " << errors();
        writeProgram(program, "name Good\n");
    }

    EXPECT_FALSE(generate(31));
    std::filesystem::remove(folder / programFile(9));
    EXPECT_FALSE(generate());
    EXPECT_NE(errors().find("program_09.txt"), std::string::npos) << errors();
}

} // namespace
