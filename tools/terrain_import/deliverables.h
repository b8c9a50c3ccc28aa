#pragma once
#include "importers/terrain_import.h"

#include <span>
#include <string_view>

// The six importers the host can load: each reads one kind of elevation file and
// samples every `sample_step`-th row and column of its grid.
struct deliverable {
    std::string_view name;       // vantor200 ... qelmar5
    elevation_file_kind kind;
    int sample_step;             // 4, 2 or 1
    std::string_view extension;  // "mem" or "lem", without the dot
};

std::span<const deliverable> all_deliverables();

// nullptr when no deliverable has that name.
const deliverable* find_deliverable(std::string_view name);

// The deliverable that samples every grid point of files with this extension
// (compared without regard to case, as the host's file system does); nullptr when
// no deliverable reads such files.
const deliverable* densest_deliverable_for_extension(std::string_view extension);

// Host units per metre of a kind: one host unit is 10 m in mem grids and 1 m in lem grids.
double metres_per_host_unit(elevation_file_kind kind);

// Where both kinds come from: "50 m mesh" or "5 m mesh".
std::string_view kind_description(elevation_file_kind kind);

bool same_extension(std::string_view a, std::string_view b);
