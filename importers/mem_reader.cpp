#include "importers/mem_reader.h"

#include "importers/line_source.h"
#include "importers/value_field.h"
#include "importers/record_line.h"

#include <algorithm>

namespace {

constexpr std::size_t name_first_field = 0, name_first_length = 6;
constexpr std::size_t name_second_field = 58, name_second_length = 20;
constexpr std::size_t record_count_field = 142, record_count_length = 3;
constexpr std::size_t record_flags_field = 225;
// No header byte past the last record flag is ever read.
constexpr std::size_t header_capacity = record_flags_field + mem_grid::row_capacity;

static_assert(record_value_count(mem_line_capacity, mem_record_prefix) == mem_grid::column_capacity,
              "a record line of full capacity must hold exactly one grid row");

// A header line seen through a window of fixed size: bytes beyond its end read as blanks.
class header_bytes {
public:
    header_bytes(const char* line, std::size_t length) : line_(line), length_(length) {}

    char at(std::size_t offset) const { return offset < length_ ? line_[offset] : ' '; }

    void copy(std::size_t offset, std::size_t count, char* out) const {
        for (std::size_t i = 0; i < count; ++i) out[i] = at(offset + i);
    }

    std::int32_t number(std::size_t offset, std::size_t count) const {
        char field[9];
        copy(offset, count, field);
        return parse_number_field(field, count);
    }

private:
    const char* line_;
    std::size_t length_;
};

}  // namespace

mem_header parse_mem_header(const char* line, std::size_t length) {
    const header_bytes header(line, length);
    mem_header result{};

    char* name = result.part_name.text;
    header.copy(name_first_field, name_first_length, name);
    name[name_first_length] = ' ';
    header.copy(name_second_field, name_second_length, name + name_first_length + 1);
    name[name_first_length + 1 + name_second_length] = '\0';

    const std::int32_t announced = header.number(record_count_field, record_count_length);
    result.record_count = std::clamp(announced, 0, mem_grid::row_capacity);

    for (int k = 0; k < result.record_count; ++k) {
        // The flag is a one-character number: only "1" reads as 1.
        result.record_holds_elevations[k] = header.at(record_flags_field + k) == '1';
    }
    return result;
}

int parse_mem_record(const char* line, std::size_t length, bool holds_elevations,
                     float (&row)[mem_grid::column_capacity]) {
    const int count = record_value_count(std::min(length, mem_line_capacity), mem_record_prefix);
    const char* field = line + mem_record_prefix;
    for (int j = 0; j < count; ++j, field += value_field_width) {
        const std::int32_t value =
            holds_elevations ? parse_value_field(field) : -9999;
        row[j] = value == -9999 ? 0.0f : static_cast<float>(value);
    }
    return count;
}

std::optional<mem_part_name> read_mem_grid(source_stream_interface& stream, mem_grid& grid) {
    const char* header_line = read_next_line(stream);
    if (header_line == nullptr) return std::nullopt;
    const mem_header header =
        parse_mem_header(header_line, bounded_line_length(header_line, header_capacity));

    for (int k = 0; k < header.record_count; ++k) {
        const char* line = read_next_line(stream);
        if (line == nullptr) break;  // the failing record is dropped; complete rows stay
        const std::size_t length = bounded_line_length(line, mem_line_capacity);
        grid.column_count =
            parse_mem_record(line, length, header.record_holds_elevations[k], grid.cells[k]);
        grid.row_count = k + 1;
    }
    return header.part_name;
}
