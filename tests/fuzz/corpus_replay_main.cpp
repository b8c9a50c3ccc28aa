// Replays fuzz inputs through a fuzz target without libFuzzer, so that the seed corpus
// (and every input a fuzzing run found worth keeping) runs in the ordinary test suite,
// with or without sanitizers. Arguments: files or folders of inputs.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int replay_file(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", path.string().c_str());
        return 1;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int failures = 0;
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path root = argv[i];
        if (std::filesystem::is_directory(root)) {
            for (const auto& entry : std::filesystem::directory_iterator(root)) {
                if (!entry.is_regular_file()) continue;
                failures += replay_file(entry.path());
                ++replayed;
            }
        } else {
            failures += replay_file(root);
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    return failures == 0 && replayed > 0 ? 0 : 1;
}
