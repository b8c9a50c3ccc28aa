// generate-elevation-samples: writes a synthetic mem or lem file of any size.
#include "tools/sample_generator/synthetic_terrain.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    CLI::App app{"Writes a synthetic 50 m mesh (mem) or 5 m mesh (lem) elevation file."};
    synthetic_terrain_options options;
    std::string kind = "mem";
    std::string output;
    app.add_option("kind", kind, "mem or lem")->check(CLI::IsMember({"mem", "lem"}))->required();
    app.add_option("-o,--output", output, "file to write")->required();
    app.add_option("--rows", options.rows, "grid rows")->check(CLI::Range(0, 9999));
    app.add_option("--columns", options.columns, "grid columns")->check(CLI::Range(0, 9999));
    app.add_option("--seed", options.seed, "relief seed");
    app.add_option("--sea", options.sea_fraction, "share of the extent under the sea (0 to 1)")
        ->check(CLI::Range(0.0, 1.0));
    app.add_option("--relief", options.relief_m, "highest summit in metres")->check(CLI::Range(0.0, 9999.0));
    app.add_option("--missing-record", options.missing_records, "mem: record flagged missing (repeatable)");
    app.add_option("--announce", options.announced_records, "mem: records the header announces")
        ->check(CLI::Range(0, 999));
    app.add_option("--mesh-code", options.mesh_code, "mem: 6-character mesh code");
    std::vector<std::string> voids;
    app.add_option("--void", voids, "ROW,COLUMN,RADIUS: a round hole of missing cells (repeatable)");
    CLI11_PARSE(app, argc, argv);
    for (const std::string& text : voids) {
        data_void v;
        char tail = 0;
        if (std::sscanf(text.c_str(), "%d,%d,%d%c", &v.row, &v.column, &v.radius, &tail) != 3 || v.radius < 0) {
            std::cerr << "generate-elevation-samples: --void wants ROW,COLUMN,RADIUS, not " << text << "\n";
            return 2;
        }
        options.voids.push_back(v);
    }

    const std::string text = kind == "mem" ? synthetic_mem_text(options) : synthetic_lem_text(options);
    std::ofstream file(output, std::ios::binary);
    file << text;
    if (!file.flush()) {
        std::cerr << "generate-elevation-samples: cannot write " << output << "\n";
        return 1;
    }
    return 0;
}
