// terrain-import: imports an elevation file exactly as the host's importer plug-ins do
// and shows what the host would get.
#include "tools/terrain_import/deliverable_choice.h"
#include "tools/terrain_import/tool_run.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* description = R"(Imports a 50 m mesh (.mem) or 5 m mesh (.lem) elevation file through the
importer of one of the six deliverables, the way the host imports it, and writes
what the host's scene would receive.

Outputs: the geometry (-o, --format), a picture (--preview) and a summary (--info).
Without any of them the trace of the host calls goes to standard output.

Exit codes: 0 done; 1 an output could not be written; 2 bad input file or arguments.)";

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{description, "terrain-import"};
    app.set_version_flag("--version", std::string("terrain-import ") + TERRAIN_VERSION);

    tool_options options;
    std::vector<std::string> names;
    for (const deliverable* d : all_deliverables) names.emplace_back(d->name);
    std::string format;

    app.add_option("FILE", options.file, "the .mem or .lem file to import")->required();
    app.add_option("--deliverable", options.deliverable,
                   "the importer: vantor200|vantor100|vantor50 for .mem, qelmar20|qelmar10|qelmar5 for .lem "
                   "(default: the one taking every grid point)")
        ->check(CLI::IsMember(names));
    app.add_option("--format", format,
                   "geometry format: trace (the host calls), obj, ply or csv "
                   "(default: from the output's extension, else trace)")
        ->check(CLI::IsMember({"trace", "obj", "ply", "csv"}));
    app.add_option("-o,--output", options.output, "where to write the geometry (default: standard output)");
    app.add_option("--preview", options.preview, "draw a PNG picture: shaded-relief top view and perspective view");
    app.add_option("--vertical-exaggeration", options.vertical_exaggeration,
                   "heights times this in the perspective view (default 1, as the host shows them)")
        ->check(CLI::Range(0.01, 1000.0));
    app.add_flag("--info", options.info,
                 "print the part name, grid, extents, elevations and missing cells to standard output");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error);
        return code == 0 ? exit_success : exit_bad_input;
    }
    if (!format.empty()) options.format = parse_geometry_format(format);
    return run_terrain_import(options, stdout, stderr);
}
