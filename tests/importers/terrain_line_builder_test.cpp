#include "importers/terrain_line_builder.h"

#include "tests/support/trace_lines.h"
#include "tools/recording_host/recording_scene.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using operation = scene_call::operation;

struct shape_summary {
    std::vector<std::vector<vec3>> lines;
};

shape_summary summarize(const std::vector<scene_call>& calls) {
    shape_summary s;
    for (const scene_call& call : calls) {
        if (call.what == operation::open_line) s.lines.emplace_back();
        if (call.what == operation::add_line_point) s.lines.back().push_back(call.position);
    }
    return s;
}

template <int R, int C>
std::unique_ptr<elevation_grid<R, C>> grid_of(int rows, int columns) {
    auto grid = std::make_unique<elevation_grid<R, C>>();
    grid->row_count = rows;
    grid->column_count = columns;
    return grid;
}

struct sampling_case {
    int rows, columns, step;
    std::size_t line_count, points_per_line;
    float first_x, last_x, first_z, last_z;
};

class terrain_sampling : public testing::TestWithParam<sampling_case> {};

TEST_P(terrain_sampling, emits_every_step_th_row_and_column_centred_on_the_full_grid) {
    const sampling_case& c = GetParam();
    auto grid = grid_of<300, 400>(c.rows, c.columns);
    recording_scene scene;
    emit_terrain_lines(scene, elevation_grid_view(*grid), "part", c.step, lem_elevation_scale);
    const auto summary = summarize(scene.calls());
    ASSERT_EQ(summary.lines.size(), c.line_count);
    for (const auto& line : summary.lines) ASSERT_EQ(line.size(), c.points_per_line);
    const vec3 first = summary.lines.front().front();
    const vec3 last = summary.lines.back().back();
    EXPECT_EQ(first.x, c.first_x);
    EXPECT_EQ(first.z, c.first_z);
    EXPECT_EQ(last.x, c.last_x);
    EXPECT_EQ(last.z, c.last_z);
    // Neighbouring points lie 5 * step apart.
    if (c.points_per_line > 1) {
        EXPECT_EQ(summary.lines[0][1].x - first.x, 5.0f * c.step);
    }
}

INSTANTIATE_TEST_SUITE_P(
    full_grids, terrain_sampling,
    testing::Values(sampling_case{200, 200, 4, 50, 50, -497.5f, 482.5f, -497.5f, 482.5f},
                    sampling_case{200, 200, 2, 100, 100, -497.5f, 492.5f, -497.5f, 492.5f},
                    sampling_case{200, 200, 1, 200, 200, -497.5f, 497.5f, -497.5f, 497.5f},
                    sampling_case{300, 400, 4, 75, 100, -997.5f, 982.5f, -747.5f, 732.5f},
                    sampling_case{300, 400, 2, 150, 200, -997.5f, 992.5f, -747.5f, 742.5f},
                    sampling_case{300, 400, 1, 300, 400, -997.5f, 997.5f, -747.5f, 747.5f},
                    // The last row and column are emitted when R-1 and W-1 are multiples of S.
                    sampling_case{5, 9, 4, 2, 3, -20.0f, 20.0f, -10.0f, 10.0f},
                    sampling_case{1, 1, 4, 1, 1, 0.0f, 0.0f, 0.0f, 0.0f}));

TEST(terrain_lines, an_empty_grid_gives_an_empty_part_and_zero_columns_give_empty_lines) {
    namespace tl = trace_lines;
    auto grid = grid_of<200, 200>(0, 5);
    recording_scene scene;
    emit_terrain_lines(scene, elevation_grid_view(*grid), "empty", 1, mem_elevation_scale);
    EXPECT_EQ(format_trace(scene.calls()),
              tl::open_creation + tl::open_part("empty") + tl::close_part + tl::close_creation);

    grid = grid_of<200, 200>(3, 0);
    recording_scene no_columns;
    emit_terrain_lines(no_columns, elevation_grid_view(*grid), "thin", 2, mem_elevation_scale);
    EXPECT_EQ(format_trace(no_columns.calls()),
              tl::open_creation + tl::open_part("thin") + tl::open_line + tl::close_line + tl::open_line +
                  tl::close_line + tl::close_part + tl::close_creation);
}

TEST(terrain_lines, elevation_is_the_cell_times_the_scale_rounded_once_to_float) {
    auto grid = grid_of<200, 200>(1, 3);
    grid->cells[0][0] = 250;
    grid->cells[0][1] = 12345;
    grid->cells[0][2] = -9999;
    for (const double scale : {mem_elevation_scale, lem_elevation_scale}) {
        recording_scene scene;
        emit_terrain_lines(scene, elevation_grid_view(*grid), "p", 1, scale);
        const auto line = summarize(scene.calls()).lines.at(0);
        EXPECT_EQ(line[0].y, scale == 0.01 ? 2.5f : 25.0f);
        EXPECT_EQ(line[1].y, static_cast<float>(12345 * scale));
        EXPECT_EQ(line[2].y, static_cast<float>(-9999 * scale));
    }
}

TEST(terrain_lines, a_failing_scene_operation_ends_the_emission_with_nothing_after_it) {
    auto grid = grid_of<200, 200>(3, 2);
    recording_scene complete;
    emit_terrain_lines(complete, elevation_grid_view(*grid), "p", 1, mem_elevation_scale);
    const auto& all = complete.calls();
    ASSERT_EQ(all.size(), 4u + 3u * 4u);

    for (std::size_t k = 1; k <= all.size(); ++k) {
        recording_scene failing;
        failing.fail_at_call(static_cast<int>(k));
        EXPECT_THROW(emit_terrain_lines(failing, elevation_grid_view(*grid), "p", 1, mem_elevation_scale),
                     host_failure);
        const std::vector<scene_call> before(all.begin(), all.begin() + static_cast<long>(k - 1));
        EXPECT_EQ(format_trace(failing.calls()), format_trace(before)) << "failing call " << k;
    }
}

}  // namespace
