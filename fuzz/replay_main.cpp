// Replays saved inputs through the fuzz target linked with it, without
// libFuzzer, so a corpus or a crash input can be run under any compiler and
// any debugger. Each argument is a file or a directory of files. A failed
// check aborts, as it would end a fuzzing run; the input being replayed is
// named first.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// The files named by the arguments, those in directories included, in a
// fixed order so a run is repeatable.
std::vector<fs::path> collect_inputs(int argc, const char* const* argv) {
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path argument(argv[i]);
        if (fs::is_directory(argument)) {
            for (const fs::directory_entry& entry : fs::directory_iterator(argument)) {
                if (entry.is_regular_file()) {
                    inputs.push_back(entry.path());
                }
            }
        } else {
            inputs.push_back(argument);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

bool read_file(const fs::path& path, std::vector<std::uint8_t>& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    bytes.clear();
    std::transform(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>(),
                   std::back_inserter(bytes), [](char c) { return static_cast<std::uint8_t>(c); });
    return !file.bad();
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<fs::path> inputs = collect_inputs(argc, argv);
    // An empty or mistyped corpus path must not pass as a clean replay.
    if (inputs.empty()) {
        std::cerr << "no inputs to replay\n";
        return 1;
    }
    std::vector<std::uint8_t> bytes;
    for (const fs::path& path : inputs) {
        // Flushed before the run, so the name is out even if the run aborts.
        std::cout << "replaying " << path.string() << std::endl;
        if (!read_file(path, bytes)) {
            std::cerr << "cannot read " << path.string() << '\n';
            return 1;
        }
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::cout << "replayed " << inputs.size() << " inputs\n";
    return 0;
}
