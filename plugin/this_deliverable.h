#pragma once
#include "plugin/deliverables.h"

// The deliverable this library is built as. The build names it: TERRAIN_DELIVERABLE is
// one of vantor200, vantor100, vantor50, qelmar20, qelmar10, qelmar5.
inline constexpr const deliverable& this_deliverable = deliverable_table::TERRAIN_DELIVERABLE;
