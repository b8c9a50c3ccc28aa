#include "tools/terrain_import/deliverables.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<deliverable, 6> table{{
    {"vantor200", elevation_file_kind::mem, 4, "mem"},
    {"vantor100", elevation_file_kind::mem, 2, "mem"},
    {"vantor50", elevation_file_kind::mem, 1, "mem"},
    {"qelmar20", elevation_file_kind::lem, 4, "lem"},
    {"qelmar10", elevation_file_kind::lem, 2, "lem"},
    {"qelmar5", elevation_file_kind::lem, 1, "lem"},
}};

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::span<const deliverable> all_deliverables() { return table; }

const deliverable* find_deliverable(std::string_view name) {
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&](const deliverable& d) { return d.name == name; });
    return it == table.end() ? nullptr : &*it;
}

bool same_extension(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

const deliverable* densest_deliverable_for_extension(std::string_view extension) {
    const deliverable* densest = nullptr;
    for (const deliverable& d : table) {
        if (same_extension(d.extension, extension) && (!densest || d.sample_step < densest->sample_step)) {
            densest = &d;
        }
    }
    return densest;
}

double metres_per_host_unit(elevation_file_kind kind) {
    return kind == elevation_file_kind::mem ? 10.0 : 1.0;
}

std::string_view kind_description(elevation_file_kind kind) {
    return kind == elevation_file_kind::mem ? "50 m mesh" : "5 m mesh";
}
