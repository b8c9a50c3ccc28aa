#pragma once
// A failure that the test host reports from inside one of its own operations the way a
// host built with the platform's own compiler does: by raising that compiler's C++
// exception (natively: by throwing). The thrown object counts its destructions, so a
// check can see that whoever caught it also destroyed it, exactly once.
[[noreturn]] void raise_host_failure();

// Failures raised, and their objects destroyed, since the program started.
int host_failures_raised();
int host_failure_objects_destroyed();
