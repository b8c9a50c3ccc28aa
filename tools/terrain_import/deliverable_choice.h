#pragma once
// Choosing one of the six deliverables (their constants are the plug-ins' own) and the
// facts about their kinds that people need to read an import.
#include "plugin/deliverables.h"

#include <string_view>

// nullptr when no deliverable has that name.
const deliverable* find_deliverable(std::string_view name);

// The deliverable that samples every grid point of files with this extension
// (compared without regard to case, as the host's file system does); nullptr when
// no deliverable reads such files.
const deliverable* densest_deliverable_for_extension(std::string_view extension);

// Metres per host unit of a kind: one host unit is 10 m in mem grids and 1 m in lem grids.
double metres_per_host_unit(elevation_file_kind kind);

// Where both kinds come from: "50 m mesh" or "5 m mesh".
std::string_view kind_description(elevation_file_kind kind);

bool same_extension(std::string_view a, std::string_view b);
