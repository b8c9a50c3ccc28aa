// do_import as the host calls it: position 212, scene first, stream third.
#include "tests/framework/test_component.h"
#include "tests/support/elevation_text.h"
#include "tools/recording_host/recording_scene.h"
#include "tools/recording_host/text_stream.h"
#include "tools/recording_host/trace_format.h"
#include "tools/win_test_host/raw_call.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace elevation_text;

// A mem file of three records of five values, named "533945 SAMPLE".
std::string small_mem_file() {
    std::string text = mem_header_line("533945", "SAMPLE", "  3", "111");
    text += mem_record_line({100, 200, 300, 400, 500});
    text += mem_record_line({110, 210, -9999, 410, 510});
    text += mem_record_line({120, 220, 320, 420, 520});
    return text;
}

struct import_run {
    recording_scene scene;
    text_stream stream{small_mem_file(), "C:\\terrain\\sample.mem"};

    void through_position_212(test_component& component) {
        const std::uintptr_t arguments[] = {reinterpret_cast<std::uintptr_t>(&scene), 0x11111111,
                                            reinterpret_cast<std::uintptr_t>(&stream), 0x22222222};
        call_thiscall(table_entry(&component, 212), &component, arguments);
    }
    std::string trace() const { return format_trace(scene.calls()); }
};

// What the deliverable's kind and step give when imported directly.
std::string direct_trace() {
    import_run run;
    import_terrain(test_deliverable.kind, test_deliverable.sample_step, run.scene, run.stream);
    return run.trace();
}

TEST(do_import, runs_the_deliverables_import_over_the_hosts_objects) {
    test_component component;
    import_run run;
    run.through_position_212(component);
    const std::string expected = direct_trace();
    EXPECT_EQ(run.trace(), expected);
    // Step 2 over 3 x 5 values: rows 0 and 2, columns 0, 2 and 4.
    EXPECT_EQ(run.scene.calls().size(), 2u + 2 * (1 + 3 + 1) + 2);
}

TEST(do_import, two_imports_on_one_component_match_imports_on_fresh_ones) {
    test_component component;
    import_run first, second;
    first.through_position_212(component);
    second.through_position_212(component);
    EXPECT_EQ(first.trace(), direct_trace());
    EXPECT_EQ(second.trace(), first.trace());
    EXPECT_EQ(component.ref_count, 0u);
}

TEST(do_import, a_failing_scene_operation_ends_the_import_quietly) {
    const std::string full = direct_trace();
    for (int failing_call : {1, 2, 3, 5, 12}) {
        SCOPED_TRACE("scene call " + std::to_string(failing_call) + " fails");
        test_component component;
        import_run run;
        run.scene.fail_at_call(failing_call);
        EXPECT_NO_THROW(run.through_position_212(component));
        EXPECT_EQ(run.scene.calls().size(), static_cast<std::size_t>(failing_call - 1));
        EXPECT_EQ(full.compare(0, run.trace().size(), run.trace()), 0) << "not a prefix of the full import";
    }
}

TEST(do_import, a_failing_stream_keeps_the_complete_rows) {
    test_component component;
    import_run run;
    run.stream.fail_after_lines(3);  // the header and two records
    run.through_position_212(component);

    import_run cut;
    std::string two_records = small_mem_file();
    two_records.resize(two_records.rfind("000000000"));
    cut.stream = text_stream(two_records, "C:\\terrain\\sample.mem");
    import_terrain(test_deliverable.kind, test_deliverable.sample_step, cut.scene, cut.stream);
    EXPECT_EQ(run.trace(), cut.trace());
    EXPECT_FALSE(run.scene.calls().empty());
}

TEST(do_import, missing_host_objects_make_it_do_nothing) {
    test_component component;
    recording_scene scene;
    text_stream stream(small_mem_file(), "sample.mem");
    component.do_import(nullptr, 0, &stream, 0);
    component.do_import(&scene, 0, nullptr, 0);
    EXPECT_TRUE(scene.calls().empty());
    EXPECT_EQ(stream.lines_delivered(), 0);
}

}  // namespace
