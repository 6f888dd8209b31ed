// The factory bank is generated at build time; these run the generator the build uses on program
// files written here and check that bad data stops the build with a message naming file and line.
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using kravo::test::TempFolder;

struct FactoryBankGeneratorTest : ::testing::Test {
    FactoryBankGeneratorTest()
    {
        for (int p = 0; p < 32; ++p)
            writeProgram(p, "name Program " + std::to_string(p) + "\n");
    }

    static std::string fileName(int program)
    {
        return std::string("program_") + (program < 10 ? "0" : "") + std::to_string(program) + ".txt";
    }

    void writeProgram(int program, const std::string& content) const
    {
        folder.writeFile(fileName(program), content);
    }

    // Runs the generator over the 32 files; answers whether it succeeded.
    bool generate(int fileCount = 32) const
    {
        std::string command = "\"" KRAVO_FACTORY_BANK_GENERATOR "\" \"" + (folder / "bank.cpp").string() + "\"";
        for (int p = 0; p < fileCount; ++p)
            command += " \"" + (folder / fileName(p)).string() + "\"";
        command += " 2> \"" + (folder / "errors.txt").string() + "\"";
        return std::system(command.c_str()) == 0;
    }

    std::string errors() const { return folder.readFile("errors.txt"); }

    TempFolder folder;
};

TEST_F(FactoryBankGeneratorTest, ListedDifferencesAndNamesReachTheBankSource)
{
    writeProgram(3, "# a comment line\nname SiFi 105bpm\n\n2 0.65   # Main Volume\n10 1\n");
    ASSERT_TRUE(generate()) << errors();
    const std::string source = folder.readFile("bank.cpp");
    EXPECT_NE(source.find("\"SiFi 105bpm\""), std::string::npos);
    EXPECT_NE(source.find("0.65f"), std::string::npos);
    EXPECT_NE(source.find("0.0f, 0.0f, 0.7f, 0.0f"), std::string::npos);
}

TEST_F(FactoryBankGeneratorTest, ValueAboveOneFailsNamingFileAndLine)
{
    writeProgram(5, "name Bad\n# comment\n2 0.5\n3 1.5 # too loud\n");
    EXPECT_FALSE(generate());
    EXPECT_NE(errors().find("program_05.txt:4: error:"), std::string::npos) << errors();
    EXPECT_NE(errors().find("outside 0..1"), std::string::npos) << errors();
}

TEST_F(FactoryBankGeneratorTest, NegativeValueFails)
{
    writeProgram(0, "name Bad\n2 -0.1\n");
    EXPECT_FALSE(generate());
    EXPECT_NE(errors().find("program_00.txt:2: error:"), std::string::npos) << errors();
}

TEST_F(FactoryBankGeneratorTest, UnknownIndexFails)
{
    writeProgram(31, "name Bad\n9900 0.5\n");
    EXPECT_FALSE(generate());
    EXPECT_NE(errors().find("program_31.txt:2: error: unknown parameter index 9900"), std::string::npos) << errors();
}

TEST_F(FactoryBankGeneratorTest, MalformedLinesFail)
{
    for (const std::string line : {"2", "two 0.5", "2 half", "2 0.5 0.6", "2 nan"}) {
        writeProgram(7, "name Bad\n" + line + "\n");
        EXPECT_FALSE(generate()) << line;
        EXPECT_NE(errors().find("program_07.txt:2: error:"), std::string::npos) << line << ": " << errors();
    }
}

TEST_F(FactoryBankGeneratorTest, ParameterGivenTwiceFails)
{
    writeProgram(1, "name Bad\n2 0.5\n2 0.6\n");
    EXPECT_FALSE(generate());
    EXPECT_NE(errors().find("program_01.txt:3: error:"), std::string::npos) << errors();
}

TEST_F(FactoryBankGeneratorTest, ProgramWithoutAUsableNameFails)
{
    writeProgram(2, "2 0.5\n");
    EXPECT_FALSE(generate());
    writeProgram(2, "name A name of more than twenty-four characters\n");
    EXPECT_FALSE(generate());
    EXPECT_NE(errors().find("program_02.txt:1: error:"), std::string::npos) << errors();
}

TEST_F(FactoryBankGeneratorTest, MissingProgramFileFails)
{
    EXPECT_FALSE(generate(31));
    std::filesystem::remove(folder / fileName(9));
    EXPECT_FALSE(generate());
    EXPECT_NE(errors().find("program_09.txt"), std::string::npos) << errors();
}

} // namespace
