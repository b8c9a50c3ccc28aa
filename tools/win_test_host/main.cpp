// win_test_host MODULE check
// win_test_host MODULE import FILE [--fail-read-after K | --fail-scene-at K]
// See README.md for the output and the exit codes.
#include "tools/recording_host/trace_format.h"
#include "tools/win_test_host/driver.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int exit_failed = 1, exit_usage = 2, exit_unusable = 3;

int usage(const char* problem) {
    std::fprintf(stderr,
                 "win_test_host: %s\n"
                 "usage: win_test_host MODULE check\n"
                 "       win_test_host MODULE import FILE [--fail-read-after K | --fail-scene-at K]\n",
                 problem);
    return exit_usage;
}

bool read_count(const char* text, int& count) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 0 || value > 1000000) return false;
    count = static_cast<int>(value);
    return true;
}

void write(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

int run_check(plugin_driver& driver) {
    report out;
    driver.run_checks(out);
    write(out.text());
    return out.failed() == 0 ? 0 : exit_failed;
}

int run_import(plugin_driver& driver, int argc, char** argv) {
    if (argc < 4) return usage("import needs a FILE");
    import_request request;
    request.path = argv[3];
    for (int i = 4; i < argc; i += 2) {
        const std::string option = argv[i];
        int* target = option == "--fail-read-after" ? &request.fail_read_after
                      : option == "--fail-scene-at" ? &request.fail_scene_at
                                                    : nullptr;
        if (target == nullptr) return usage(("unknown option " + option).c_str());
        if (i + 1 >= argc || !read_count(argv[i + 1], *target)) return usage((option + " needs a count").c_str());
    }
    if (request.fail_read_after >= 0 && request.fail_scene_at > 0) {
        return usage("give --fail-read-after or --fail-scene-at, not both");
    }
    std::ifstream file(request.path, std::ios::binary);
    if (!file) return usage(("cannot read " + request.path).c_str());
    request.text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());

    const import_result result = driver.import(request);
    write(format_trace(result.calls));
    if (!result.component_created) {
        std::fprintf(stderr, "win_test_host: _create_interface@20 gave no component\n");
        return exit_failed;
    }
    if (result.ending.raised) {
        std::fprintf(stderr, "win_test_host: an exception left do_import: %s\n", result.ending.exception.c_str());
        return exit_failed;
    }
    if (result.do_import.stack_change != 0) {
        std::fprintf(stderr, "win_test_host: the stack pointer moved by %d bytes across do_import\n",
                     static_cast<int>(result.do_import.stack_change));
        return exit_failed;
    }
    std::fprintf(stderr, "win_test_host: do_import returned after %zu scene calls; host failures raised and destroyed: %d\n",
                 result.calls.size(), result.host_objects_destroyed);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
    // The report and the trace are compared byte for byte: no "\r\n" translation.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (argc < 3) return usage("MODULE and a command are needed");
    const std::string command = argv[2];
    if (command != "check" && command != "import") return usage(("unknown command " + command).c_str());
    if (command == "check" && argc != 3) return usage("check takes no further argument");

    std::string error;
    std::optional<plugin_module> module = load_plugin_module(argv[1], error);
    if (!module) {
        std::fprintf(stderr, "win_test_host: cannot use %s: %s\n", argv[1], error.c_str());
        return exit_unusable;
    }
    const expected_deliverable* expected = find_expected_deliverable(module->deliverable_name);
    if (expected == nullptr) {
        std::fprintf(stderr, "win_test_host: %s is not one of the six deliverables\n", module->deliverable_name.c_str());
        unload_plugin_module(*module);
        return exit_unusable;
    }
    std::fprintf(stderr, "win_test_host: %s, %s\n", module->deliverable_name.c_str(),
                 raw_calls_check_stack()
                     ? "loaded with LoadLibraryA; stack pointer checked across every call"
                     : "linked in natively; stack pointer not observable");

    int status;
    {
        plugin_driver driver(*module, *expected);
        status = command == "check" ? run_check(driver) : run_import(driver, argc, argv);
    }
    unload_plugin_module(*module);
    return status;
}
