#include "tools/terrain_import/deliverable_choice.h"

#include <algorithm>

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

const deliverable* find_deliverable(std::string_view name) {
    const auto it = std::find_if(all_deliverables.begin(), all_deliverables.end(),
                                 [&](const deliverable* d) { return d->name == name; });
    return it == all_deliverables.end() ? nullptr : *it;
}

bool same_extension(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

const deliverable* densest_deliverable_for_extension(std::string_view extension) {
    const deliverable* densest = nullptr;
    for (const deliverable* d : all_deliverables) {
        if (same_extension(d->extension, extension) && (!densest || d->sample_step < densest->sample_step)) {
            densest = d;
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
