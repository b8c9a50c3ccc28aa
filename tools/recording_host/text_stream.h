#pragma once
#include "framework/source_stream_interface.h"

#include <cstddef>
#include <optional>
#include <string>

// A source stream over a text held in memory, delivered line by line the way a
// host reads a file: each line with its own line end ("\n" or "\r\n") when the
// text has one. When no line is left, read_line fails; so does the line after
// fail_after_lines(k) lines have been delivered.
class text_stream final : public source_stream_interface {
public:
    // How read_line reports a failure: both are allowed to a host.
    enum class failure_style {
        throws,         // throws host_failure
        leaves_null,    // returns without setting the line pointer
    };

    text_stream(std::string text, std::string path);

    // Reads a whole file; std::nullopt when it cannot be opened or read.
    static std::optional<text_stream> from_file(const std::string& path);

    void fail_after_lines(int line_count) { failing_line_ = line_count; }
    void set_failure_style(failure_style style) { failure_style_ = style; }

    int lines_delivered() const { return lines_delivered_; }
    int failed_reads() const { return failed_reads_; }

    void TERRAIN_THISCALL read_line(const char** line, std::int32_t) override;
    const char* TERRAIN_THISCALL get_file_path() override { return path_.c_str(); }

private:
    void fail();

    std::string text_;
    std::string path_;
    std::string current_line_;
    std::size_t next_offset_ = 0;
    int lines_delivered_ = 0;
    int failed_reads_ = 0;
    int failing_line_ = -1;
    failure_style failure_style_ = failure_style::throws;
};
