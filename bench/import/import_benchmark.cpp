// Full-size imports through a counting host, side by side with two peers over the
// same bytes in the same run:
//   memchr        - finding the end of every line and nothing else: the scan limit;
//   istringstream - a straightforward reader of the same fixed-width fields.
// At the end it prints, per file kind, import time / memchr time and
// istringstream time / import time.
#include "importers/lem_reader.h"
#include "importers/mem_reader.h"
#include "importers/terrain_import.h"
#include "tools/recording_host/counting_scene.h"
#include "tools/recording_host/line_array_stream.h"
#include "tools/sample_generator/synthetic_terrain.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <sstream>
#include <string>

namespace {

struct import_input {
    elevation_file_kind kind;
    std::string text;
    std::size_t prefix;
    std::size_t line_capacity;
    int max_lines;
};

const import_input& input_of(elevation_file_kind kind) {
    static const import_input mem = [] {
        synthetic_terrain_options options;  // 200 x 200
        options.missing_records = {17, 120};
        return import_input{elevation_file_kind::mem, synthetic_mem_text(options), mem_record_prefix,
                            mem_line_capacity, 1 + mem_grid::row_capacity};
    }();
    static const import_input lem = [] {
        synthetic_terrain_options options;
        options.rows = 300;
        options.columns = 400;
        return import_input{elevation_file_kind::lem, synthetic_lem_text(options), lem_record_prefix,
                            lem_line_capacity, lem_grid::row_capacity};
    }();
    return kind == elevation_file_kind::mem ? mem : lem;
}

// Hands out every line of the input, as the host would, to `visit`.
template <class Visit>
void for_each_line(line_array_stream& stream, int max_lines, Visit visit) {
    stream.rewind();
    for (int k = 0; k < max_lines; ++k) {
        const char* line = nullptr;
        stream.read_line(&line, 0);
        visit(line);
    }
}

void bm_import(benchmark::State& state, elevation_file_kind kind) {
    const import_input& input = input_of(kind);
    line_array_stream stream(input.text, "C:\\bench\\sample.lem");
    counting_scene scene;
    for (auto _ : state) {
        stream.rewind();
        import_terrain(kind, 1, scene, stream);
    }
    benchmark::DoNotOptimize(scene.checksum);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.text.size()));
    state.counters["points"] = static_cast<double>(scene.points) / static_cast<double>(state.iterations());
}

// The reading phase alone (parsing into the grid, filling gaps), without emission.
// The grid is allocated once; each round starts it empty, as an import does.
template <class Grid, class Read>
void read_rounds(benchmark::State& state, line_array_stream& stream, Read read) {
    auto grid = std::make_unique<Grid>();
    for (auto _ : state) {
        stream.rewind();
        *grid = Grid{};
        benchmark::DoNotOptimize(read(stream, *grid));
        benchmark::ClobberMemory();
    }
}

void bm_read(benchmark::State& state, elevation_file_kind kind) {
    const import_input& input = input_of(kind);
    line_array_stream stream(input.text, "C:\\bench\\sample.lem");
    if (kind == elevation_file_kind::mem) {
        read_rounds<mem_grid>(state, stream, read_mem_grid);
    } else {
        read_rounds<lem_grid>(state, stream, read_lem_grid);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.text.size()));
}

void bm_memchr(benchmark::State& state, elevation_file_kind kind) {
    const import_input& input = input_of(kind);
    line_array_stream stream(input.text, "C:\\bench\\sample.lem");
    std::size_t total = 0;
    for (auto _ : state) {
        for_each_line(stream, input.max_lines, [&](const char* line) {
            const void* end = std::memchr(line, '\0', input.line_capacity + 1);
            total += static_cast<std::size_t>(static_cast<const char*>(end) - line);
        });
    }
    benchmark::DoNotOptimize(total);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.text.size()));
}

void bm_istringstream(benchmark::State& state, elevation_file_kind kind) {
    const import_input& input = input_of(kind);
    line_array_stream stream(input.text, "C:\\bench\\sample.lem");
    auto cells = std::make_unique<float[]>(400);
    double sum = 0;
    for (auto _ : state) {
        for_each_line(stream, input.max_lines, [&](const char* line) {
            const std::string text(line);
            for (std::size_t j = 0; input.prefix + 5 * (j + 1) <= text.size() && j < 400; ++j) {
                std::istringstream field(text.substr(input.prefix + 5 * j, 5));
                int value = 0;
                field >> value;
                cells[j] = static_cast<float>(value);
                sum += cells[j];
            }
        });
    }
    benchmark::DoNotOptimize(sum);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.text.size()));
}

const char* kind_name(elevation_file_kind kind) { return kind == elevation_file_kind::mem ? "mem" : "lem"; }

// Collects the mean time of each run to print the ratios after the usual table.
class ratio_reporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions, the median stands for the benchmark; without, its one run.
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (median || single) seconds_[run.run_name.str()] = run.GetAdjustedRealTime();
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-6s %22s %30s\n", "kind", "import / memchr scan", "istringstream / import");
        for (const char* kind : {"mem", "lem"}) {
            const double ours = seconds_[std::string("import/") + kind];
            const double scan = seconds_[std::string("memchr/") + kind];
            const double stream = seconds_[std::string("istringstream/") + kind];
            if (ours > 0 && scan > 0 && stream > 0) {
                std::printf("%-6s %21.2fx %29.1fx\n", kind, ours / scan, stream / ours);
            }
        }
    }

private:
    std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
    for (const auto kind : {elevation_file_kind::mem, elevation_file_kind::lem}) {
        const std::string name = kind_name(kind);
        benchmark::RegisterBenchmark(("import/" + name).c_str(), bm_import, kind);
        benchmark::RegisterBenchmark(("read_only/" + name).c_str(), bm_read, kind);
        benchmark::RegisterBenchmark(("memchr/" + name).c_str(), bm_memchr, kind);
        benchmark::RegisterBenchmark(("istringstream/" + name).c_str(), bm_istringstream, kind);
    }
    benchmark::Initialize(&argc, argv);
    ratio_reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
