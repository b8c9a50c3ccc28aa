#include "tools/recording_host/line_array_stream.h"

#include "tools/recording_host/recording_scene.h"

#include <utility>

line_array_stream::line_array_stream(const std::string& text, std::string path)
    : text_(text), path_(std::move(path)) {
    std::vector<std::size_t> starts;
    std::size_t start = 0;
    while (start < text_.size()) {
        starts.push_back(start);
        std::size_t end = text_.find('\n', start);
        if (end == std::string::npos) end = text_.size();
        const std::size_t next = end + 1;
        if (end > start && text_[end - 1] == '\r') --end;
        if (end < text_.size()) text_[end] = '\0';
        start = next;
    }
    for (const std::size_t offset : starts) lines_.push_back(text_.c_str() + offset);
}

void line_array_stream::read_line(const char** line, std::int32_t) {
    if (next_ >= lines_.size()) throw host_failure("no line left");
    *line = lines_[next_++];
}
