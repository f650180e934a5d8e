// Runs the fuzz target once over each file named on the command line (or each file in a
// named folder). Used where libFuzzer is not available, so that the seed corpus still
// serves as a regression test under any compiler.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Run_File(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    std::size_t runs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg(argv[i]);
        if (std::filesystem::is_directory(arg)) {
            for (const auto& entry : std::filesystem::directory_iterator(arg)) {
                if (entry.is_regular_file()) {
                    Run_File(entry.path());
                    ++runs;
                }
            }
        } else {
            Run_File(arg);
            ++runs;
        }
    }
    std::printf("ran %zu inputs\n", runs);
    return runs > 0 ? 0 : 1;
}
