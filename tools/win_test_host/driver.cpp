#include "tools/win_test_host/driver.h"

#include "framework/interface_id.h"
#include "tools/recording_host/recording_scene.h"
#include "tools/recording_host/text_stream.h"
#include "tools/recording_host/trace_format.h"
#include "tools/sample_generator/synthetic_terrain.h"
#include "tools/win_test_host/component_positions.h"
#include "tools/win_test_host/heap_probe.h"
#include "tools/win_test_host/host_failure.h"
#include "tools/win_test_host/host_objects.h"

#include <cstring>

namespace {

// An argument that the callee must ignore.
constexpr std::uintptr_t ignored = 0xA5A5A5A5;

template <class T>
std::uintptr_t word(T* pointer) {
    return reinterpret_cast<std::uintptr_t>(pointer);
}

std::uint32_t low32(const raw_call_result& r) { return static_cast<std::uint32_t>(r.value & 0xFFFFFFFF); }
bool low8(const raw_call_result& r) { return (r.value & 0xFF) != 0; }
const char* text_at(const raw_call_result& r) { return reinterpret_cast<const char*>(r.value); }

// The stack pointer's part of a check: nothing when it did not move.
std::string stack(const raw_call_result& r) {
    return r.stack_change == 0 ? "" : ", stack pointer moved by " + std::to_string(r.stack_change) + " bytes";
}

std::string decimal(long long value) { return std::to_string(value); }

std::string failures(const import_result& r) {
    if (r.host_failures_raised == 0) return "no host failure raised";
    return decimal(r.host_failures_raised) + " host failure raised, its object destroyed " +
           decimal(r.host_objects_destroyed) + " time(s)";
}
std::string yes_no(bool value) { return value ? "true" : "false"; }

// The information record as the host lends it: ten fields, then words it owns.
struct info_record {
    std::int32_t numbers[6];
    const char* strings[4];
    std::uint32_t after[4];
};
constexpr std::int32_t untouched_word = 0x5EA1ED;

// The reference count lies in the word after the table pointer.
std::uint32_t reference_count(void* component) {
    std::uint32_t count;
    std::memcpy(&count, static_cast<char*>(component) + sizeof(void*), sizeof count);
    return count;
}

}  // namespace

raw_call_result plugin_driver::call_export(export_index which, std::initializer_list<std::uintptr_t> arguments) {
    return call_stdcall(module_.exports[which], {arguments.begin(), arguments.size()});
}

void* plugin_driver::create_component() {
    void* component = nullptr;
    call_export(create_interface_export, {ignored, ignored, word(&component), ignored, ignored});
    return component;
}

raw_call_result plugin_driver::call_position(void* component, int position,
                                             std::initializer_list<std::uintptr_t> arguments) {
    return call_thiscall(table_entry(component, position), component, {arguments.begin(), arguments.size()});
}

// QueryInterface, AddRef and Release: stdcall with the object first on the stack.
raw_call_result plugin_driver::call_unknown(void* component, int position,
                                            std::initializer_list<std::uintptr_t> arguments) {
    std::vector<std::uintptr_t> with_object{word(component)};
    with_object.insert(with_object.end(), arguments);
    return call_stdcall(table_entry(component, position), with_object);
}

void plugin_driver::run_checks(report& out) {
    check_exports(out);
    check_info(out);
    check_positions(out);
    check_lifetime(out);
    check_imports(out);
}

void plugin_driver::check_exports(report& out) {
    const auto version = call_export(get_interface_version_export, {ignored});
    out.check(low32(version) == 25 && version.stack_change == 0, "export _get_interface_version@4",
              "= " + decimal(low32(version)) + stack(version), "25");

    interface_id changed = importer_interface_id;
    changed[15] ^= 0xFF;
    struct id_case {
        const char* what;
        const interface_id* id;
        bool matches;
    };
    const id_case ids[] = {{"importer ID", &importer_interface_id, true},
                           {"IUnknown ID", &iunknown_interface_id, false},
                           {"importer ID with its last byte changed", &changed, false}};
    for (const id_case& c : ids) {
        const std::string with = std::string(" with the ") + c.what;
        const auto has = call_export(has_interface_export, {word(c.id), ignored});
        out.check(low32(has) == (c.matches ? 1u : 0u) && has.stack_change == 0, "export _has_interface@8" + with,
                  "= " + decimal(low32(has)) + stack(has), c.matches ? "1" : "0");

        const auto id = call_export(get_id_export, {word(c.id), ignored, ignored});
        const std::uint32_t expected_id = c.matches ? expected_.importer_id : 0;
        out.check(low32(id) == expected_id && id.stack_change == 0, "export _get_id@12" + with,
                  "= " + hex32(low32(id)) + stack(id), hex32(expected_id));

        const auto name = call_export(get_name_export, {word(c.id), ignored, ignored, ignored});
        const std::string expected_name = c.matches ? quoted(std::string(expected_.display_name).c_str()) : "null";
        out.check(quoted(text_at(name)) == expected_name && name.stack_change == 0, "export _get_name@16" + with,
                  "= " + quoted(text_at(name)) + stack(name), expected_name);
        if (c.matches) {
            const auto again = call_export(get_name_export, {word(c.id), 1, 2, 3});
            out.check(again.value == name.value && again.stack_change == 0, "export _get_name@16 called again",
                      (again.value == name.value ? "= the same pointer" : "= another pointer") + stack(again),
                      "the same pointer");
        }
    }

    const auto resident = call_export(is_resident_export, {ignored, ignored, ignored});
    out.check(low8(resident) && resident.stack_change == 0, "export _is_resident@12",
              "= " + yes_no(low8(resident)) + stack(resident), "true");
    const auto separate = call_export(has_separate_interfaces_export, {ignored});
    out.check(!low8(separate) && separate.stack_change == 0, "export _has_separate_interfaces@4",
              "= " + yes_no(low8(separate)) + stack(separate), "false");

    for (const bool japanese : {true, false}) {
        language_host host(japanese);
        const auto encoding = call_export(get_text_encoding_export, {word(static_cast<host_interface*>(&host)), ignored});
        const std::uint32_t expected = japanese ? 932 : 0;
        out.check(low32(encoding) == expected && host.times_asked() == 1 && encoding.stack_change == 0,
                  std::string("export _get_text_encoding@8 with a ") + (japanese ? "Japanese" : "non-Japanese") + " host",
                  "= " + decimal(low32(encoding)) + ", host asked " + decimal(host.times_asked()) + " time(s)" +
                      stack(encoding),
                  decimal(expected) + ", host asked 1 time");
    }

    void* first = nullptr;
    void* second = reinterpret_cast<void*>(untouched_word);
    const auto created = call_export(create_interface_export, {ignored, ignored, word(&first), ignored, ignored});
    const bool made = first != nullptr && reference_count(first) == 1;
    out.check(made && created.stack_change == 0, "export _create_interface@20",
              (made ? "= a component holding 1 reference" : std::string("= no component")) + stack(created),
              "a component holding 1 reference");
    // The host's interface ID (argument 2 or any other) is not looked at.
    call_export(create_interface_export, {word(&iunknown_interface_id), 0, word(&second), 0, 0});
    const bool distinct = second != reinterpret_cast<void*>(untouched_word) && second != nullptr && second != first &&
                          reference_count(second) == 1;
    out.check(distinct, "export _create_interface@20 called again",
              distinct ? "= another component holding 1 reference" : "= no new component",
              "another component holding 1 reference");
    if (first != nullptr) call_unknown(first, 2, {});
    if (distinct) call_unknown(second, 2, {});
}

void plugin_driver::check_info(report& out) {
    const char* pointers[2][3] = {};
    for (const bool japanese : {true, false}) {
        language_host host(japanese);
        info_record record{};
        record.numbers[0] = untouched_word;
        for (std::uint32_t& w : record.after) w = 0xDEADBEEF;
        host.watch(&record, untouched_word);
        const auto call = call_export(get_info_export, {word(&record), word(static_cast<host_interface*>(&host)), ignored});

        std::string observed = "=";
        for (const std::int32_t n : record.numbers) observed += ' ' + decimal(n);
        for (const char* s : record.strings) observed += ' ' + quoted(s);
        observed += "; host asked " + decimal(host.times_asked()) + " time(s)";
        if (!host.record_untouched_when_asked()) observed += " after a field was written";
        bool tail = true;
        for (const std::uint32_t w : record.after) tail = tail && w == 0xDEADBEEF;
        observed += tail ? "; words after the record untouched" : "; words after the record changed";

        const std::string description(japanese ? expected_.description_japanese : expected_.description_english);
        const bool values = record.numbers[0] == expected_sdk_version &&
                            record.numbers[1] == expected_sdk_version_base && record.numbers[2] == 1 &&
                            record.numbers[3] == 0 && record.numbers[4] == 0 && record.numbers[5] == 0 &&
                            quoted(record.strings[0]) == quoted(std::string(expected_.name).c_str()) &&
                            quoted(record.strings[1]) == quoted(std::string(expected_author_name).c_str()) &&
                            quoted(record.strings[2]) == quoted(std::string(expected_author_name_katakana).c_str()) &&
                            quoted(record.strings[3]) == quoted(description.c_str());
        out.check(values && tail && host.times_asked() == 1 && host.record_untouched_when_asked() &&
                      call.stack_change == 0,
                  std::string("export _get_info@12 with a ") + (japanese ? "Japanese" : "non-Japanese") + " host",
                  observed + stack(call),
                  "the ten values, asked once before any field was written, nothing after them written");
        for (int i = 0; i < 3; ++i) pointers[japanese][i] = record.strings[i];
    }
    const bool same = std::memcmp(pointers[0], pointers[1], sizeof pointers[0]) == 0;
    out.check(same, "export _get_info@12 name and author pointers",
              same ? "= the same for both hosts" : "= different by language", "the same for both hosts");
}

void plugin_driver::check_positions(report& out) {
    void* component = create_component();
    if (!out.check(component != nullptr, "component", component ? "= created" : "= not created", "created")) return;

    constexpr auto positions = expected_positions();
    for (int p = 0; p < component_position_count; ++p) {
        const expected_position expected = positions[p];
        const std::string what = "position " + decimal(p);

        if (expected.behaviour == expected_behaviour::query_interface) {
            const interface_id* ids[] = {&iunknown_interface_id, &importer_interface_id};
            for (const interface_id* id : ids) {
                void* out_pointer = reinterpret_cast<void*>(untouched_word);
                const auto r = call_unknown(component, p, {word(id), word(&out_pointer)});
                const bool untouched = out_pointer == reinterpret_cast<void*>(untouched_word);
                out.check(low32(r) == 0x80004002u && untouched && r.stack_change == 0,
                          what + " QueryInterface with the " + (id == ids[0] ? "IUnknown" : "importer") + " ID",
                          "= " + hex32(low32(r)) + (untouched ? ", out pointer untouched" : ", out pointer written") +
                              stack(r),
                          "0x80004002, out pointer untouched");
            }
            continue;
        }
        if (expected.behaviour == expected_behaviour::add_ref || expected.behaviour == expected_behaviour::release) {
            const bool add = expected.behaviour == expected_behaviour::add_ref;
            const auto r = call_unknown(component, p, {});
            const std::uint32_t expected_count = add ? 2 : 1;
            out.check(low32(r) == expected_count && r.stack_change == 0, what + (add ? " AddRef" : " Release"),
                      "= " + decimal(low32(r)) + stack(r), decimal(expected_count));
            continue;
        }
        if (expected.behaviour == expected_behaviour::destructor) {
            void* second = create_component();
            const bool live_before = second != nullptr && heap_block_is_live(second);
            raw_call_result r;
            const call_ending ending = observe([&] { r = call_position(second, p, {1}); });
            const bool freed = live_before && !ending.raised && !heap_block_is_live(second);
            out.check(freed && low32(r) == static_cast<std::uint32_t>(word(second)) && r.stack_change == 0,
                      what + " scalar deleting destructor with flags 1 on a second component",
                      std::string(freed ? "= destroyed and freed" : "= block not freed") +
                          (low32(r) == static_cast<std::uint32_t>(word(second)) ? ", returned its address" : "") +
                          stack(r),
                      "destroyed and freed, returned its address");
            continue;
        }

        char buffer[8] = "abcdefg";
        std::vector<std::uintptr_t> arguments(static_cast<std::size_t>(expected.arguments), ignored);
        if (!arguments.empty()) arguments[0] = word(buffer);
        recording_scene scene;
        text_stream empty("", "C:\\terrain\\empty." + std::string(expected_.extension));
        empty.set_failure_style(text_stream::failure_style::leaves_null);
        if (expected.behaviour == expected_behaviour::do_import) {
            arguments = {word(static_cast<scene_builder_interface*>(&scene)), ignored,
                         word(static_cast<source_stream_interface*>(&empty)), ignored};
        }

        raw_call_result r;
        const call_ending ending = observe(
            [&] { r = call_thiscall(table_entry(component, p), component, {arguments.data(), arguments.size()}); });
        const bool untouched = std::memcmp(buffer, "abcdefg", 8) == 0;
        const bool cleared = buffer[0] == '\0' && std::memcmp(buffer + 1, "bcdefg", 7) == 0;
        const std::string buffer_note = untouched ? "" : (cleared ? ", text cleared" : ", buffer changed");

        if (expected.behaviour == expected_behaviour::reserved) {
            out.check(ending.raised && ending.exception == "int 0", what,
                      ending.raised ? "= raises " + ending.exception : "= returned" + buffer_note + stack(r),
                      "raises int 0");
            continue;
        }
        if (ending.raised) {
            out.check(false, what, "= raises " + ending.exception, "no exception");
            continue;
        }
        std::string observed;
        std::string wanted;
        bool passed = true;
        switch (expected.behaviour) {
            case expected_behaviour::returns_zero:
            case expected_behaviour::returns_one:
            case expected_behaviour::returns_spaces: {
                const std::uint32_t value = expected.behaviour == expected_behaviour::returns_zero  ? 0
                                            : expected.behaviour == expected_behaviour::returns_one ? 1
                                                                                                    : 0x20202020;
                passed = low32(r) == value && untouched;
                observed = "= " + (value > 1 ? hex32(low32(r)) : decimal(low32(r))) + buffer_note;
                wanted = value > 1 ? hex32(value) : decimal(value);
                break;
            }
            case expected_behaviour::returns_true:
            case expected_behaviour::returns_false: {
                const bool value = expected.behaviour == expected_behaviour::returns_true;
                passed = low8(r) == value && untouched;
                observed = "= " + yes_no(low8(r)) + buffer_note;
                wanted = yes_no(value);
                break;
            }
            case expected_behaviour::does_nothing:
                passed = untouched;
                observed = untouched ? "= nothing done" : "=" + buffer_note.substr(1);
                wanted = "nothing done";
                break;
            case expected_behaviour::clears_text:
                passed = cleared;
                observed = cleared ? "= text cleared" : (untouched ? "= text left as it was" : "= buffer changed");
                wanted = "text cleared";
                break;
            case expected_behaviour::plugin_id:
                passed = low32(r) == expected_.importer_id;
                observed = "= " + hex32(low32(r));
                wanted = hex32(expected_.importer_id);
                break;
            case expected_behaviour::sdk_version:
                passed = static_cast<std::int32_t>(low32(r)) == expected_sdk_version;
                observed = "= " + decimal(static_cast<std::int32_t>(low32(r)));
                wanted = decimal(expected_sdk_version);
                break;
            case expected_behaviour::file_extension: {
                const auto again = call_position(component, p, {1, 2});
                passed = quoted(text_at(r)) == quoted(std::string(expected_.extension).c_str()) &&
                         again.value == r.value && again.stack_change == 0;
                observed = "= " + quoted(text_at(r)) +
                           (again.value == r.value ? ", the same pointer again" : ", another pointer the next time");
                wanted = quoted(std::string(expected_.extension).c_str()) + ", the same pointer again";
                break;
            }
            case expected_behaviour::do_import: {
                // An empty file: no line at all.
                const std::size_t calls = expected_.extension == "lem" ? 4 : 0;
                passed = scene.calls().size() == calls;
                observed = "do_import over an empty file = " + decimal(static_cast<long long>(scene.calls().size())) +
                           " scene calls";
                wanted = decimal(static_cast<long long>(calls)) + " scene calls";
                break;
            }
            default:
                break;
        }
        out.check(passed && r.stack_change == 0, what, observed + stack(r), wanted);
    }
    call_unknown(component, 2, {});
}

void plugin_driver::check_lifetime(report& out) {
    void* component = create_component();
    if (component == nullptr) return;
    std::string counts = "=";
    bool stack_kept = true;
    const std::uint32_t expected_counts[] = {2, 3, 2, 1};
    bool counted = true;
    for (int i = 0; i < 4; ++i) {
        const auto r = call_unknown(component, i < 2 ? 1 : 2, {});
        counts += ' ' + decimal(low32(r));
        counted = counted && low32(r) == expected_counts[i];
        stack_kept = stack_kept && r.stack_change == 0;
    }
    out.check(counted && stack_kept, "lifetime AddRef, AddRef, Release, Release", counts, "= 2 3 2 1");

    const bool live_before = heap_block_is_live(component);
    const auto last = call_unknown(component, 2, {});
    const bool freed = live_before && !heap_block_is_live(component);
    out.check(low32(last) == 0 && freed && last.stack_change == 0, "lifetime last Release",
              "= " + decimal(low32(last)) + (freed ? ", block freed" : ", block not freed") + stack(last),
              "0, block freed");
}

import_result plugin_driver::import(const import_request& request) {
    void* component = create_component();
    import_result result = import_on(component, request);
    if (component != nullptr) call_unknown(component, 2, {});
    return result;
}

import_result plugin_driver::import_on(void* component, const import_request& request) {
    import_result result;
    result.component_created = component != nullptr;
    if (component == nullptr) return result;
    text_stream lines(request.text, request.path);
    lines.set_failure_style(text_stream::failure_style::leaves_null);
    failing_stream stream(lines, request.fail_read_after + 1);
    recording_scene recorded;
    failing_scene scene(recorded, request.fail_scene_at);

    const int raised_before = host_failures_raised();
    const int destroyed_before = host_failure_objects_destroyed();
    result.ending = observe([&] {
        result.do_import = call_position(component, 212, {word(static_cast<scene_builder_interface*>(&scene)), ignored,
                                                          word(static_cast<source_stream_interface*>(&stream)),
                                                          ignored});
    });
    result.host_failures_raised = host_failures_raised() - raised_before;
    result.host_objects_destroyed = host_failure_objects_destroyed() - destroyed_before;
    result.calls = recorded.calls();
    return result;
}

void plugin_driver::check_imports(report& out) {
    synthetic_terrain_options options;
    options.rows = 5;
    options.columns = 7;
    const bool mem = expected_.extension == "mem";
    import_request request;
    request.text = mem ? synthetic_mem_text(options) : synthetic_lem_text(options);
    request.path = "C:\\terrain\\builtin-sample." + std::string(expected_.extension);

    const import_result full = import(request);
    const std::string full_trace = format_trace(full.calls);
    const std::string calls = decimal(static_cast<long long>(full.calls.size())) + " scene calls";
    out.check(!full.ending.raised && full.calls.size() > 4 && full.do_import.stack_change == 0,
              "import of the built-in file", "= " + calls + stack(full.do_import), "more than 4 calls");

    void* component = create_component();
    if (component != nullptr) {
        const import_result first = import_on(component, request);
        const import_result second = import_on(component, request);
        call_unknown(component, 2, {});
        const bool same = format_trace(first.calls) == full_trace && format_trace(second.calls) == full_trace;
        out.check(same, "import twice on one component",
                  same ? "= the calls of an import on a new component, both times" : "= other calls",
                  "the calls of an import on a new component, both times");
    }

    // Lines of the file, each with its line end.
    std::vector<std::size_t> line_ends;
    for (std::size_t i = 0; i < request.text.size(); ++i) {
        if (request.text[i] == '\n') line_ends.push_back(i + 1);
    }
    for (std::size_t k = 0; k <= line_ends.size(); ++k) {
        import_request failing = request;
        failing.fail_read_after = static_cast<int>(k);
        const import_result r = import(failing);
        import_request cut = request;
        cut.text = request.text.substr(0, k == 0 ? 0 : line_ends[k - 1]);
        const import_result expected = import(cut);
        const bool same = format_trace(r.calls) == format_trace(expected.calls);
        // The mem reader asks for no line after the records its header announces.
        const bool reads_past_the_end = !mem || k < line_ends.size();
        out.check(same && !r.ending.raised && r.host_failures_raised == (reads_past_the_end ? 1 : 0) &&
                      r.host_objects_destroyed == r.host_failures_raised && r.do_import.stack_change == 0,
                  "import with read_line raising after " + decimal(static_cast<long long>(k)) + " lines",
                  "= " + decimal(static_cast<long long>(r.calls.size())) + " scene calls" +
                      (same ? ", those of the file cut there" : ", not those of the file cut there") +
                      (r.ending.raised ? ", and " + r.ending.exception + " left do_import" : "") + "; " +
                      failures(r) + stack(r.do_import),
                  std::string("the calls of the file cut there; ") +
                      (reads_past_the_end ? "1 host failure raised, its object destroyed 1 time(s)"
                                          : "no host failure raised"));
    }

    for (std::size_t k = 1; k <= full.calls.size(); ++k) {
        import_request failing = request;
        failing.fail_scene_at = static_cast<int>(k);
        const import_result r = import(failing);
        const std::vector<scene_call> before(full.calls.begin(), full.calls.begin() + static_cast<long>(k - 1));
        const bool same = format_trace(r.calls) == format_trace(before);
        out.check(same && !r.ending.raised && r.host_failures_raised == 1 && r.host_objects_destroyed == 1 &&
                      r.do_import.stack_change == 0,
                  "import with scene call " + decimal(static_cast<long long>(k)) + " raising",
                  "= " + decimal(static_cast<long long>(r.calls.size())) + " scene calls" +
                      (same ? ", the ones before it" : ", not the ones before it") +
                      (r.ending.raised ? ", and " + r.ending.exception + " left do_import" : "") + "; " +
                      failures(r) + stack(r.do_import),
                  "the calls before it; 1 host failure raised, its object destroyed 1 time(s)");
    }
}
