// Runs a fuzz target over files and directories of inputs without libFuzzer,
// so that the normal test run replays each target's checked-in corpus with
// whatever compiler and sanitizers the build has.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> inputsUnder(const fs::path& path) {
    std::vector<fs::path> inputs;
    if (fs::is_directory(path)) {
        for (const auto& entry : fs::recursive_directory_iterator(path)) {
            if (entry.is_regular_file()) {
                inputs.push_back(entry.path());
            }
        }
    } else if (fs::is_regular_file(path)) {
        inputs.push_back(path);
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS-DIR-OR-FILE...\n", argv[0]);
        return 2;
    }
    LLVMFuzzerInitialize(&argc, &argv);
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::vector<fs::path> inputs = inputsUnder(argv[i]);
        if (inputs.empty()) {
            std::fprintf(stderr, "replay: no inputs in %s; check the path to the corpus\n", argv[i]);
            return 1;
        }
        for (const fs::path& input : inputs) {
            std::ifstream file(input, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
            // A copy of exactly the input's size: reading past it is then a
            // sanitizer finding, as under libFuzzer.
            std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
            std::printf("replay: %s (%zu bytes)\n", input.string().c_str(), data.size());
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(data.data(), data.size());
            ++replayed;
        }
    }
    std::printf("replay: %zu inputs, no finding\n", replayed);
    return 0;
}
