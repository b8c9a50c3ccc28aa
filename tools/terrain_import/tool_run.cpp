#include "tools/terrain_import/tool_run.h"

#include "importers/elevation_grid.h"
#include "tools/recording_host/text_stream.h"
#include "tools/terrain_import/atomic_file.h"
#include "tools/terrain_import/capturing_scene.h"
#include "tools/terrain_import/cell_census.h"
#include "tools/terrain_import/component_import.h"
#include "tools/terrain_import/host_file_path.h"
#include "tools/terrain_import/input_file.h"
#include "tools/terrain_import/preview_picture.h"
#include "tools/terrain_import/terrain_info.h"

#include <memory>
#include <vector>

namespace {

constexpr const char* program = "terrain-import";

void report(std::FILE* errors, const std::string& subject, const std::string& problem) {
    std::fprintf(errors, "%s: %s: %s\n", program, subject.c_str(), problem.c_str());
}

std::string extension_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    return path.substr(dot + 1);
}

bool to_standard_output(const std::string& output) { return output.empty() || output == "-"; }

// The deliverable for the file, or a problem naming why there is none.
const deliverable* choose_deliverable(const tool_options& options, std::string& problem) {
    const std::string extension = extension_of(options.file);
    const deliverable* known = densest_deliverable_for_extension(extension);
    if (known == nullptr) {
        problem = extension.empty() ? "no file extension: elevation files end in .mem or .lem"
                                    : "unknown extension \"." + extension +
                                          "\": elevation files end in .mem (50 m mesh) or .lem (5 m mesh)";
        return nullptr;
    }
    if (options.deliverable.empty()) return known;
    const deliverable* chosen = find_deliverable(options.deliverable);
    if (chosen == nullptr) {
        problem = "no deliverable is called " + options.deliverable;
        return nullptr;
    }
    if (!same_extension(chosen->extension, extension)) {
        problem = "a ." + extension + " file cannot be imported by " + std::string(chosen->name) +
                  ", which reads ." + std::string(chosen->extension) + " files";
        return nullptr;
    }
    return chosen;
}

// What geometry to write, if any: the explicit format, else the output's extension,
// else the trace; none when only --info or --preview was asked for.
std::optional<geometry_format> chosen_format(const tool_options& options) {
    if (options.format) return options.format;
    if (!to_standard_output(options.output)) {
        return parse_geometry_format(extension_of(options.output)).value_or(geometry_format::trace);
    }
    if (options.info || !options.preview.empty()) return std::nullopt;
    return geometry_format::trace;
}

std::size_t most_points(const deliverable& chosen) {
    const std::size_t cells = chosen.kind == elevation_file_kind::mem
                                  ? mem_grid::row_capacity * mem_grid::column_capacity
                                  : lem_grid::row_capacity * lem_grid::column_capacity;
    return cells / static_cast<std::size_t>(chosen.sample_step * chosen.sample_step) + 1024;
}

}  // namespace

int run_terrain_import(const tool_options& options, std::FILE* out, std::FILE* errors) {
    const std::optional<geometry_format> format = chosen_format(options);
    if (format && to_standard_output(options.output) && options.info) {
        report(errors, options.file,
               "--info and the geometry cannot both go to standard output: write the geometry with -o FILE");
        return exit_bad_input;
    }

    auto input = read_input_file(options.file);
    if (const auto* problem = std::get_if<input_problem>(&input)) {
        report(errors, options.file, problem->message);
        return exit_bad_input;
    }
    const std::string& text = std::get<input_text>(input).bytes;

    std::string problem;
    const deliverable* chosen = choose_deliverable(options, problem);
    if (chosen == nullptr) {
        report(errors, options.file, problem);
        return exit_bad_input;
    }

    // The import itself: the host's part, played by the tool.
    text_stream stream(text, host_file_path(options.file));
    capturing_scene scene(most_points(*chosen));
    import_with_deliverable(*chosen, scene, stream);
    const captured_terrain& terrain = scene.terrain();
    if (!terrain.call_order_fault.empty()) {
        report(errors, options.file, "the importer broke the host's call order: " + terrain.call_order_fault);
        return exit_output_failed;
    }
    if (terrain.points.empty()) {
        report(errors, options.file,
               terrain.parts.empty() ? "warning: the import created nothing (no header line?)"
                                     : "warning: the import created no points (no complete record line)");
    }

    std::optional<cell_census> census;
    if (options.info || !options.preview.empty()) census = take_cell_census(chosen->kind, text);

    // Every output is complete in a temporary file before any of them takes its name.
    std::vector<std::unique_ptr<atomic_file>> files;
    auto fail_output = [&](const atomic_file& file) {
        report(errors, file.path(), file.error());
        return exit_output_failed;
    };
    if (format) {
        std::string geometry;
        write_geometry(terrain, *format, geometry);
        if (to_standard_output(options.output)) {
            if (std::fwrite(geometry.data(), 1, geometry.size(), out) != geometry.size() || std::fflush(out) != 0) {
                report(errors, "standard output", "cannot write");
                return exit_output_failed;
            }
        } else {
            auto& file = *files.emplace_back(std::make_unique<atomic_file>(options.output));
            if (!file.open() || !file.write(geometry)) return fail_output(file);
        }
    }
    if (!options.preview.empty()) {
        auto& file = *files.emplace_back(std::make_unique<atomic_file>(options.preview));
        if (!file.open()) return fail_output(file);
        preview_request request{options.file, *chosen, terrain, *census, options.vertical_exaggeration};
        std::string picture_problem;
        if (!draw_preview_png(request, file.stream(), picture_problem)) {
            report(errors, options.preview, picture_problem);
            return exit_output_failed;
        }
    }
    for (auto& file : files) {
        if (!file->commit()) return fail_output(*file);
    }

    if (options.info) {
        const std::string info = describe_import(options.file, *chosen, terrain, *census);
        std::fwrite(info.data(), 1, info.size(), out);
        std::fflush(out);
    }
    return exit_success;
}
