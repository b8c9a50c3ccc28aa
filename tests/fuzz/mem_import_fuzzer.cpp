// Fuzzes a whole 50 m mesh import: the input is the file's text.
#include "tests/fuzz/import_invariants.h"
#include "tools/recording_host/text_stream.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const int step : {1, 4}) {
        text_stream stream(std::string(reinterpret_cast<const char*>(data), size), "C:\\fuzz\\input.mem");
        recording_scene scene;
        import_terrain(elevation_file_kind::mem, step, scene, stream);
        check_import_invariants(scene.calls(), 200, 200, step);
    }
    return 0;
}
