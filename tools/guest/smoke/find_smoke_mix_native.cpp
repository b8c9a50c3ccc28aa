#include "tools/guest/smoke/smoke_mix.h"

// Natively the function is linked in; the native run gives the reference output.
smoke_mix_function find_smoke_mix() { return &smoke_mix; }
