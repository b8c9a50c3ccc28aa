#pragma once
// The check report: one line per check on stdout, then a summary line.
//   ok   <check> <observed>
//   FAIL <check> <observed> (expected <expected>)
//   checks: <passed> passed, <failed> failed
#include <string>
#include <string_view>

class report {
public:
    // Returns `passed`.
    bool check(bool passed, std::string_view what, std::string_view observed, std::string_view expected = {});

    int passed() const { return passed_; }
    int failed() const { return failed_; }
    // The lines so far, and the summary line.
    std::string text() const;

private:
    std::string lines_;
    int passed_ = 0;
    int failed_ = 0;
};

// Values as the report prints them.
std::string quoted(const char* text);  // "..." with the trace's escaping, or null
std::string hex32(unsigned long value);
