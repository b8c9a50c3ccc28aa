#include "tests/tools/terrain_import/tool_process.h"

#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

std::string tool_program() { return TERRAIN_IMPORT_PROGRAM; }

tool_result run_tool(const std::vector<std::string>& arguments, int as_user) {
    char folder[] = "/tmp/terrain-import-run-XXXXXX";
    if (::mkdtemp(folder) == nullptr) throw std::runtime_error("mkdtemp failed");
    const std::string out_path = std::string(folder) + "/out", err_path = std::string(folder) + "/err";

    std::string program = tool_program();
    const bool switch_user = as_user != -1 && ::geteuid() == 0;
    if (switch_user) {
        // The other user may not reach the build folder: give them a copy of the program.
        const std::string copy = std::string(folder) + "/terrain-import";
        std::ifstream source(program, std::ios::binary);
        std::ofstream(copy, std::ios::binary) << source.rdbuf();
        ::chmod(copy.c_str(), 0755);
        ::chmod(folder, 0755);
        program = copy;
    }
    std::vector<char*> argv;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(out, 1);
        ::dup2(err, 2);
        if (switch_user) {
            if (::setgid(as_user) != 0 || ::setuid(as_user) != 0) ::_exit(125);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    tool_result result;
    result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = slurp(out_path);
    result.errors = slurp(err_path);
    ::unlink(out_path.c_str());
    ::unlink(err_path.c_str());
    if (switch_user) ::unlink(program.c_str());
    ::rmdir(folder);
    return result;
}
