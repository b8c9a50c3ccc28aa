#include "tools/win_test_host/host_failure.h"

namespace {

int raised = 0;
int destroyed = 0;

struct host_error {
    ~host_error() { ++destroyed; }
};

}  // namespace

void raise_host_failure() {
    ++raised;
    throw host_error{};
}

int host_failures_raised() { return raised; }
int host_failure_objects_destroyed() { return destroyed; }
