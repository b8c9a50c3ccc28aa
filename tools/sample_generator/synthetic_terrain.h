#pragma once
// Synthetic elevation files of our own: smooth relief made of a few hills and ridges,
// a sea area below sea level written as missing values, and (for mem files) whole
// records flagged missing. Deterministic for a given seed on every platform.
#include <cstdint>
#include <string>
#include <vector>

// A round hole in the data, such as a survey leaves over water or dense forest: every
// cell within `radius` cells of the centre is written as missing.
struct data_void {
    int row = 0;
    int column = 0;
    int radius = 0;
};

struct synthetic_terrain_options {
    int rows = 200;
    int columns = 200;
    std::uint32_t seed = 1;
    // Share of the grid's extent, from its south-west corner, that lies under the sea.
    double sea_fraction = 0.15;
    // Highest summit in metres.
    double relief_m = 1200.0;
    // Holes of missing cells anywhere in the grid, also on land.
    std::vector<data_void> voids;
    // mem only: record numbers (from 0) flagged as missing in the header.
    std::vector<int> missing_records;
    // mem only: records the header announces; -1 means `rows`. Announcing more than
    // the file holds makes a short file.
    int announced_records = -1;
    // mem only: the 20 bytes of the header's name field (padded with blanks).
    std::string name = "\x8c\xa9\x96\x7b\x8e\x52\x92\x6e";  // "見本山地" ("sample hills") in Shift_JIS
    // mem only: the 6-character mesh code that starts the header and every record.
    std::string mesh_code = "533945";
};

// Elevations in tenths of a metre, row-major, -9999 for the sea and the voids.
std::vector<int> synthetic_elevations(const synthetic_terrain_options& options);

std::string synthetic_mem_text(const synthetic_terrain_options& options);
std::string synthetic_lem_text(const synthetic_terrain_options& options);
