// Runs a fuzz target once over inputs, without libFuzzer: every file named, and every file of every folder
// named, in name order. The ordinary build's tests run each target over its seeds this way, so a target
// that crashes on one fails them. Exits non-zero when there was nothing to run, so a lost seed folder shows.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> inputsOf(const std::filesystem::path& named)
{
    if (!std::filesystem::is_directory(named))
        return {named};
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(named))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char** argv)
{
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& path : inputsOf(argv[i])) {
            std::ifstream file(path, std::ios::binary);
            if (!file) {
                std::fprintf(stderr, "cannot read %s\n", path.c_str());
                return 1;
            }
            const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
            std::printf("%s\n", path.c_str());
            std::fflush(stdout);
            // A copy of exactly the input's size, so a read past it is a read past the buffer.
            const auto copy = std::make_unique<std::uint8_t[]>(bytes.size());
            std::copy(bytes.begin(), bytes.end(), copy.get());
            LLVMFuzzerTestOneInput(copy.get(), bytes.size());
            ++replayed;
        }
    }
    std::printf("replayed %zu inputs\n", replayed);
    return replayed == 0 ? 1 : 0;
}
