#pragma once
#include "tools/terrain_import/captured_terrain.h"
#include "tools/terrain_import/cell_census.h"
#include "tools/terrain_import/deliverable_choice.h"

#include <string>

// What an import will give the host, for people preparing terrain: the part's name,
// the grid and what was sampled from it, where the terrain lands and how large it is in
// host units and metres, its elevations, and the missing cells and what they became.
// One "key: value" line per fact.
std::string describe_import(const std::string& file_name, const deliverable& chosen,
                            const captured_terrain& terrain, const cell_census& census);
