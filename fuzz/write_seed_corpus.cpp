// Writes the crafted sample files of the regular tests into a folder, as the
// fuzzer's seeds: kravo-sample-seeds FOLDER.

#include "tests/support/crafted_sample_files.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kravo-sample-seeds FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const auto& file : kravo::test::craftedSampleFiles())
        kravo::test::writeFile((folder / file.name).string(), file.bytes);
    return 0;
}
