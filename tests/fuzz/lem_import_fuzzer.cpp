// Fuzzes a whole 5 m mesh import. The first byte, when below 32, is the length of a
// file path taken from the bytes after it (short paths included); the rest is the
// file's text.
#include "tests/fuzz/import_invariants.h"
#include "tools/recording_host/text_stream.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    std::string path = "C:\\fuzz\\input.lem";
    if (size > 0 && data[0] < 32) {
        const std::size_t length = std::min<std::size_t>(data[0], size - 1);
        path.assign(bytes + 1, length);
        path.resize(std::strlen(path.c_str()));  // the host's path is NUL-terminated
        bytes += 1 + length;
        size -= 1 + length;
    }
    for (const int step : {1, 4}) {
        text_stream stream(std::string(bytes, size), path);
        recording_scene scene;
        import_terrain(elevation_file_kind::lem, step, scene, stream);
        check_import_invariants(scene.calls(), 300, 400, step);
        if (!scene.calls().empty()) {
            const std::string& name = scene.calls()[1].name;
            require(name.size() == std::min<std::size_t>(path.size(), 11) &&
                        path.compare(path.size() - name.size(), name.size(), name) == 0,
                    "the part is named after the end of the path");
        }
    }
    return 0;
}
