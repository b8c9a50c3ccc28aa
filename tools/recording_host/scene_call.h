#pragma once
#include "math/vec3.h"

#include <string>

// One call that an importer made on the host's scene builder.
struct scene_call {
    enum class operation {
        open_creation,
        open_part,
        open_line,
        add_line_point,
        close_line,
        close_part,
        close_creation,
    };

    operation what;
    std::string name;           // open_part and open_line: the bytes passed, as they were
    vec3 position{0, 0, 0};     // add_line_point: the position passed
};
