#pragma once
// Runs the terrain-import program as a separate process, the way people run it.
#include <string>
#include <vector>

struct tool_result {
    int exit_code = -1;
    std::string out;     // standard output
    std::string errors;  // standard error
};

// `as_user`: when not -1 and the test runs as root, the program runs under this user id
// (root reads files whatever their permissions).
tool_result run_tool(const std::vector<std::string>& arguments, int as_user = -1);

std::string tool_program();
