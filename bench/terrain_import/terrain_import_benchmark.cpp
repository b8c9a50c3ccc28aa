// Where terrain-import spends its time on the largest 5 m mesh file (300 x 400 cells,
// every point imported: 120,000 points), phase by phase in one run, so the phases can be
// compared with the import itself:
//   read      - reading and checking the file
//   import    - the importer through the tool's scene (what the host's import costs)
//   census    - the second reading that --info and --preview need for missing cells
//   format/*  - writing each output format into memory
//   write     - writing the OBJ text to a file and renaming it into place
//   preview   - drawing the picture and encoding the PNG
#include "importers/elevation_grid.h"
#include "tools/recording_host/text_stream.h"
#include "tools/sample_generator/synthetic_terrain.h"
#include "tools/terrain_import/atomic_file.h"
#include "tools/terrain_import/capturing_scene.h"
#include "tools/terrain_import/cell_census.h"
#include "tools/terrain_import/component_import.h"
#include "tools/terrain_import/geometry_formats.h"
#include "tools/terrain_import/input_file.h"
#include "tools/terrain_import/preview_picture.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {

const deliverable& qelmar5 = *find_deliverable("qelmar5");

const std::string& largest_lem_path() {
    static const std::string path = [] {
        synthetic_terrain_options options;
        options.rows = 300;
        options.columns = 400;
        options.relief_m = 300;
        options.voids = {{150, 200, 12}};
        const std::string file = "/tmp/terrain-import-benchmark-" + std::to_string(::getpid()) + ".lem";
        std::ofstream(file, std::ios::binary) << synthetic_lem_text(options);
        return file;
    }();
    return path;
}

const std::string& text() {
    static const std::string bytes = std::get<input_text>(read_input_file(largest_lem_path())).bytes;
    return bytes;
}

captured_terrain imported() {
    text_stream stream(text(), largest_lem_path());
    capturing_scene scene(lem_grid::row_capacity * lem_grid::column_capacity);
    import_with_deliverable(qelmar5, scene, stream);
    return scene.take_terrain();
}

void bm_read(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(read_input_file(largest_lem_path()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text().size()));
}

void bm_import(benchmark::State& state) {
    std::size_t points = 0;
    for (auto _ : state) points = imported().points.size();
    state.counters["points"] = static_cast<double>(points);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text().size()));
}

void bm_census(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(take_cell_census(elevation_file_kind::lem, text()));
}

void bm_format(benchmark::State& state, geometry_format format) {
    const captured_terrain terrain = imported();
    std::size_t size = 0;
    for (auto _ : state) {
        std::string out;
        write_geometry(terrain, format, out);
        size = out.size();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void bm_write(benchmark::State& state) {
    const captured_terrain terrain = imported();
    std::string obj;
    write_obj(terrain, obj);
    const std::string target = largest_lem_path() + ".obj";
    for (auto _ : state) {
        atomic_file file(target);
        if (!file.open() || !file.write(obj) || !file.commit()) state.SkipWithError(file.error().c_str());
    }
    ::unlink(target.c_str());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * obj.size()));
}

void bm_preview(benchmark::State& state) {
    const captured_terrain terrain = imported();
    const cell_census census = take_cell_census(elevation_file_kind::lem, text());
    std::FILE* sink = std::fopen("/dev/null", "wb");
    for (auto _ : state) {
        std::string problem;
        if (!draw_preview_png({largest_lem_path(), qelmar5, terrain, census, 1.0}, sink, problem)) {
            state.SkipWithError(problem.c_str());
        }
    }
    std::fclose(sink);
}

BENCHMARK(bm_read)->Name("read")->Unit(benchmark::kMillisecond);
BENCHMARK(bm_import)->Name("import")->Unit(benchmark::kMillisecond);
BENCHMARK(bm_census)->Name("census")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bm_format, trace, geometry_format::trace)->Name("format/trace")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bm_format, obj, geometry_format::obj)->Name("format/obj")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bm_format, ply, geometry_format::ply)->Name("format/ply")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bm_format, csv, geometry_format::csv)->Name("format/csv")->Unit(benchmark::kMillisecond);
BENCHMARK(bm_write)->Name("write/obj")->Unit(benchmark::kMillisecond);
BENCHMARK(bm_preview)->Name("preview")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ::unlink(largest_lem_path().c_str());
    return 0;
}
