#pragma once
// Drives one plug-in the way the host does, through its exports and its component's
// table positions only, and reports what it sees against the host's expectations.
#include "tools/recording_host/scene_call.h"
#include "tools/win_test_host/call_ending.h"
#include "tools/win_test_host/expected_deliverables.h"
#include "tools/win_test_host/plugin_module.h"
#include "tools/win_test_host/raw_call.h"
#include "tools/win_test_host/report.h"

#include <string>
#include <vector>

struct import_request {
    std::string text;  // the file's bytes
    std::string path;  // what get_file_path answers
    int fail_read_after = -1;  // read_line raises after this many lines (-1: never)
    int fail_scene_at = 0;     // scene call number (from 1) that raises (0: none)
};

struct import_result {
    bool component_created = false;
    std::vector<scene_call> calls;  // as the scene recorded them
    raw_call_result do_import;      // the call of position 212
    call_ending ending;             // whether an exception left do_import
    int host_failures_raised = 0;   // host failures raised during the import
    int host_objects_destroyed = 0; // ... and their objects destroyed
};

class plugin_driver {
public:
    plugin_driver(const plugin_module& module, const expected_deliverable& expected)
        : module_(module), expected_(expected) {}

    // Every check of `win_test_host MODULE check`, in order.
    void run_checks(report& out);

    // One import on a new component, which is released afterwards.
    import_result import(const import_request& request);

private:
    raw_call_result call_export(export_index which, std::initializer_list<std::uintptr_t> arguments);
    void* create_component();
    raw_call_result call_position(void* component, int position, std::initializer_list<std::uintptr_t> arguments);
    raw_call_result call_unknown(void* component, int position, std::initializer_list<std::uintptr_t> arguments);
    import_result import_on(void* component, const import_request& request);

    void check_exports(report& out);
    void check_info(report& out);
    void check_positions(report& out);
    void check_lifetime(report& out);
    void check_imports(report& out);

    const plugin_module& module_;
    const expected_deliverable& expected_;
};
