#include "tools/recording_host/text_stream.h"

#include "tools/recording_host/recording_scene.h"

#include <fstream>
#include <iterator>
#include <utility>

text_stream::text_stream(std::string text, std::string path)
    : text_(std::move(text)), path_(std::move(path)) {}

std::optional<text_stream> text_stream::from_file(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) return std::nullopt;
    return text_stream(std::move(text), path);
}

void text_stream::fail() {
    ++failed_reads_;
    if (failure_style_ == failure_style::throws) {
        throw host_failure("no line left in the test stream");
    }
}

void text_stream::read_line(const char** line, std::int32_t) {
    if (next_offset_ >= text_.size() || lines_delivered_ == failing_line_) {
        fail();
        return;
    }
    const std::size_t newline = text_.find('\n', next_offset_);
    const std::size_t end = newline == std::string::npos ? text_.size() : newline + 1;
    // A NUL byte inside the file ends the line's text as the host hands it over.
    current_line_.assign(text_, next_offset_, end - next_offset_);
    next_offset_ = end;
    ++lines_delivered_;
    *line = current_line_.c_str();
}
