#pragma once
#include "tools/terrain_import/geometry_formats.h"

#include <cstdio>
#include <optional>
#include <string>

// Everything the command line can ask for.
struct tool_options {
    std::string file;
    std::string deliverable;               // empty: the densest one for the file's extension
    std::optional<geometry_format> format;  // empty: from the output's extension, else trace
    std::string output;                    // empty or "-": standard output
    std::string preview;                   // PNG to draw, if any
    double vertical_exaggeration = 1.0;
    bool info = false;
};

// Exit codes of terrain-import.
inline constexpr int exit_success = 0;
inline constexpr int exit_output_failed = 1;  // an output file could not be written
inline constexpr int exit_bad_input = 2;      // bad input file or bad arguments

// Imports options.file as the host would with the chosen deliverable and writes what
// was asked for. Problems go to `errors` as one line each, naming the file.
int run_terrain_import(const tool_options& options, std::FILE* out, std::FILE* errors);
