#include "plugin/programs/factory_bank.h"

#include "plugin/parameters/default_patch.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using namespace kravo;

std::filesystem::path factoryFolder()
{
    const char* source = std::getenv("KRAVO_SOURCE_DIR");
    return std::filesystem::path(source ? source : ".") / "resources" / "factory";
}

TEST(FactoryBank, FirstProgramStartsWithTheDefaultPatchHead)
{
    EXPECT_EQ(factoryBank[0][0], 0.0f);
    EXPECT_EQ(factoryBank[0][1], 0.0f);
    EXPECT_EQ(factoryBank[0][2], 0.7f);
    EXPECT_EQ(factoryBank[0][3], 0.0f);
}

TEST(FactoryBank, ProgramsCarryTheirFactoryNames)
{
    EXPECT_STREQ(factoryProgramNames[0], "Q-groovy 120bpm");
    EXPECT_STREQ(factoryProgramNames[11], "ElecTrain 126");
    EXPECT_STREQ(factoryProgramNames[17], "Electro kit 1 120bpm");
    EXPECT_STREQ(factoryProgramNames[31], "March 94bpm");
}

TEST(FactoryBank, EveryValueLiesInZeroToOne)
{
    for (int p = 0; p < kProgramCount; ++p) {
        for (int i = 0; i < param::kParameterCount; ++i) {
            ASSERT_GE(factoryBank[p][i], 0.0f) << "program " << p << " parameter " << i;
            ASSERT_LE(factoryBank[p][i], 1.0f) << "program " << p << " parameter " << i;
        }
    }
}

// The program files list only what differs from the default patch: every other value must be the
// default, and every listed one must be in the bank as written.
TEST(FactoryBank, EachProgramIsTheDefaultPatchWithItsFilesDifferences)
{
    std::array<float, param::kParameterCount> defaults{};
    fillDefaultValues(defaults);
    for (int p = 0; p < kProgramCount; ++p) {
        std::array<float, param::kParameterCount> expected = defaults;
        std::ostringstream name;
        name << "program_" << (p < 10 ? "0" : "") << p << ".txt";
        std::ifstream in(factoryFolder() / name.str());
        ASSERT_TRUE(in) << name.str();
        std::string line;
        while (std::getline(in, line)) {
            line = line.substr(0, line.find('#'));
            std::istringstream fields(line);
            int index = 0;
            float value = 0.0f;
            if (fields >> index >> value)
                expected[index] = value;
        }
        for (int i = 0; i < param::kParameterCount; ++i)
            ASSERT_EQ(factoryBank[p][i], expected[i]) << name.str() << " parameter " << i;
    }
}

} // namespace
