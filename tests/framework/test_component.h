#pragma once
// A deliverable's constants for tests of the component that do not depend on one of
// the six real deliverables.
#include "framework/importer_component.h"

struct test_deliverable_constants {
    std::uint32_t importer_id;
    const char* extension;
    elevation_file_kind kind;
    int sample_step;
};

inline constexpr char test_extension[] = "mem";
inline constexpr test_deliverable_constants test_deliverable{0x5180ABCD, test_extension, elevation_file_kind::mem, 2};

using test_component = importer_component<test_deliverable>;
