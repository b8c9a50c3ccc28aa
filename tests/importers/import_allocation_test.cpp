// An import allocates nothing on the heap: its grid and buffers are fixed-capacity
// arrays of the call. The global allocator is replaced here to count allocations.
#include "importers/terrain_import.h"

#include "tests/support/elevation_text.h"
#include "tools/recording_host/counting_scene.h"
#include "tools/recording_host/line_array_stream.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

namespace {

long allocations = 0;

TEST(import_allocations, a_full_size_import_of_either_kind_allocates_nothing) {
    using namespace elevation_text;
    std::string mem = mem_header_line("123456", "Alloc", "200", std::string(200, '1'));
    std::string lem;
    for (int k = 0; k < 300; ++k) {
        const std::vector<int> row(400, k % 7 == 0 ? -9999 : k);
        if (k < 200) mem += mem_record_line(std::vector<int>(row.begin(), row.begin() + 200));
        lem += lem_record_line(row);
    }

    for (const auto& [kind, text, points] :
         {std::tuple{elevation_file_kind::mem, mem, 200L * 200L}, std::tuple{elevation_file_kind::lem, lem, 300L * 400L}}) {
        line_array_stream stream(text, "C:\\data\\sample.lem");
        counting_scene scene;
        const long before = allocations;
        import_terrain(kind, 1, scene, stream);
        EXPECT_EQ(allocations - before, 0);
        EXPECT_EQ(scene.points, points);  // the import did run to the end
    }
}

}  // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
