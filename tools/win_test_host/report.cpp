#include "tools/win_test_host/report.h"

#include "tools/recording_host/trace_format.h"

#include <cstdio>

bool report::check(bool passed, std::string_view what, std::string_view observed, std::string_view expected) {
    lines_ += passed ? "ok   " : "FAIL ";
    lines_ += what;
    lines_ += ' ';
    lines_ += observed;
    if (!passed) {
        lines_ += " (expected ";
        lines_ += expected;
        lines_ += ')';
    }
    lines_ += '\n';
    (passed ? passed_ : failed_) += 1;
    return passed;
}

std::string report::text() const {
    return lines_ + "checks: " + std::to_string(passed_) + " passed, " + std::to_string(failed_) + " failed\n";
}

std::string quoted(const char* text) { return text == nullptr ? "null" : quote_trace_name(text); }

std::string hex32(unsigned long value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", value & 0xFFFFFFFFul);
    return text;
}
