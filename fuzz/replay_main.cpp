// Replays a fuzz corpus through its fuzz target as a regression test: every file
// below the folders (or the files) named on the command line, in a stable order.
// Each input is named before it runs, so the output of a failure shows which one it was.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsBelow(const fs::path& location) {
    std::vector<fs::path> inputs;
    if (fs::is_regular_file(location)) {
        inputs.push_back(location);
    } else {
        for (const auto& entry : fs::recursive_directory_iterator(location)) {
            if (entry.is_regular_file()) inputs.push_back(entry.path());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::vector<uint8_t> ContentsOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        if (!fs::exists(argv[i])) {
            std::fprintf(stderr, "corpus %s does not exist\n", argv[i]);
            return 1;
        }
        for (const fs::path& input : InputsBelow(argv[i])) {
            std::printf("replaying %s\n", input.string().c_str());
            std::fflush(stdout);
            const std::vector<uint8_t> bytes = ContentsOf(input);
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    return replayed > 0 ? 0 : 1;
}
