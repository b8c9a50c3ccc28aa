#include "tools/sample_generator/synthetic_terrain.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr int missing = -9999;

// A uniform double in [0, 1) from the engine's raw bits: the standard distributions
// may differ between library implementations, the engine may not.
double uniform(std::mt19937& engine) { return static_cast<double>(engine() >> 5) / 134217728.0; }

struct hill {
    double row, column, radius, height;
};

void append_field(std::string& out, int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%5d", std::clamp(value, -9999, 99999));
    out += text;
}

}  // namespace

std::vector<int> synthetic_elevations(const synthetic_terrain_options& o) {
    std::mt19937 engine(o.seed);
    const double size = std::max(o.rows, o.columns);
    std::vector<hill> hills(6);
    for (hill& h : hills) {
        h.row = uniform(engine) * o.rows;
        h.column = uniform(engine) * o.columns;
        h.radius = (0.12 + 0.25 * uniform(engine)) * size;
        h.height = (0.35 + 0.65 * uniform(engine)) * o.relief_m;
    }
    const double ridge_angle = uniform(engine) * 3.14159265358979;
    const double ridge_wavelength = (0.2 + 0.2 * uniform(engine)) * size;

    std::vector<int> cells(static_cast<std::size_t>(o.rows) * o.columns);
    for (int i = 0; i < o.rows; ++i) {
        for (int j = 0; j < o.columns; ++j) {
            // A smooth maximum of the hills (the 4-norm of their heights): near one summit
            // that hill's height, where hills meet a saddle without a crease.
            double sum_of_powers = 0;
            for (const hill& h : hills) {
                const double d2 = (i - h.row) * (i - h.row) + (j - h.column) * (j - h.column);
                sum_of_powers += std::pow(h.height * std::exp(-d2 / (2 * h.radius * h.radius)), 4);
            }
            double metres = std::pow(sum_of_powers, 0.25);
            const double along = i * std::cos(ridge_angle) + j * std::sin(ridge_angle);
            metres += 0.06 * o.relief_m * std::sin(6.28318530717959 * along / ridge_wavelength);
            // Lowlands stay just above the sea: only the sea area below is missing.
            metres = std::max(metres, 0.5 + 0.01 * o.relief_m);
            // The land sinks toward the south-west corner; what falls below 0 is sea.
            // A wavy coast: the corner's share wobbles along both axes.
            const double corner = 1.0 - (static_cast<double>(i) / o.rows + static_cast<double>(j) / o.columns) / 2 +
                                  0.04 * std::sin(6.28318530717959 * j / (0.3 * size) + ridge_angle) *
                                      std::cos(6.28318530717959 * i / (0.37 * size));
            if (o.sea_fraction > 0) {
                metres -= 2 * o.relief_m * std::max(0.0, corner - (1.0 - o.sea_fraction)) / o.sea_fraction;
            }
            const int tenths = static_cast<int>(std::lround(metres * 10));
            const bool in_void = std::any_of(o.voids.begin(), o.voids.end(), [&](const data_void& v) {
                return (i - v.row) * (i - v.row) + (j - v.column) * (j - v.column) <= v.radius * v.radius;
            });
            cells[static_cast<std::size_t>(i) * o.columns + j] =
                metres < 0 || in_void ? missing : std::min(tenths, 99999);
        }
    }
    return cells;
}

std::string synthetic_mem_text(const synthetic_terrain_options& o) {
    const std::vector<int> cells = synthetic_elevations(o);
    const int announced = o.announced_records < 0 ? o.rows : o.announced_records;

    // Header: mesh code, a few fixed descriptive fields, the name at byte 58, the record
    // count at 142 and one flag per record from byte 225.
    std::string header(225, ' ');
    const std::string code = (o.mesh_code + "      ").substr(0, 6);
    header.replace(0, 6, code);
    header.replace(8, 20, "2 0050 0050 000 0001");
    header.replace(58, 20, (o.name + std::string(20, ' ')).substr(0, 20));
    char count[8];
    std::snprintf(count, sizeof count, "%3d", std::clamp(announced, 0, 999));
    header.replace(142, 3, count);
    header.replace(150, 9, "1 0 0 0 1");
    for (int k = 0; k < announced; ++k) {
        const bool missing_record =
            std::find(o.missing_records.begin(), o.missing_records.end(), k) != o.missing_records.end();
        header += missing_record ? '0' : '1';
    }

    std::string text = header + "\r\n";
    for (int k = 0; k < o.rows; ++k) {
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "%s%03d", code.c_str(), k % 1000);
        text += prefix;
        const bool missing_record =
            std::find(o.missing_records.begin(), o.missing_records.end(), k) != o.missing_records.end();
        for (int j = 0; j < o.columns; ++j) {
            append_field(text, missing_record ? missing : cells[static_cast<std::size_t>(k) * o.columns + j]);
        }
        text += "\r\n";
    }
    return text;
}

std::string synthetic_lem_text(const synthetic_terrain_options& o) {
    const std::vector<int> cells = synthetic_elevations(o);
    std::string text;
    for (int k = 0; k < o.rows; ++k) {
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "%04d%06d", k % 10000, o.columns);
        text += prefix;
        for (int j = 0; j < o.columns; ++j) append_field(text, cells[static_cast<std::size_t>(k) * o.columns + j]);
        text += "\r\n";
    }
    return text;
}
