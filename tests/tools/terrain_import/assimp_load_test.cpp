// The OBJ and PLY files must load in a third-party parser (assimp) with the import's
// points where the importer put them and its line shapes as lines.
#include "tests/tools/terrain_import/reference_import.h"
#include "tests/tools/terrain_import/scratch_folder.h"
#include "tests/tools/terrain_import/tool_process.h"

#include <assimp/Importer.hpp>
#include <assimp/scene.h>
#include <gtest/gtest.h>

#include <numeric>

namespace {

std::size_t segment_count(const std::vector<std::size_t>& line_sizes) {
    std::size_t segments = 0;
    for (const std::size_t n : line_sizes) segments += n > 1 ? n - 1 : 0;
    return segments;
}

void expect_same_point(const aiVector3D& loaded, const vec3& imported) {
    // Both files write the shortest text that reads back as the same float, but assimp's
    // own fast number parser may land a unit in the last place off (7.53 does).
    EXPECT_FLOAT_EQ(loaded.x, imported.x);
    EXPECT_FLOAT_EQ(loaded.y, imported.y);
    EXPECT_FLOAT_EQ(loaded.z, imported.z);
}

struct written_file {
    scratch_folder folder;
    std::string path;
};

void write_with_tool(written_file& out, const std::string& sample, const deliverable& d, const char* extension) {
    out.path = out.folder / (std::string("terrain.") + extension);
    const tool_result result = run_tool({sample, "--deliverable", std::string(d.name), "-o", out.path});
    ASSERT_EQ(result.exit_code, 0) << result.errors;
}

struct sample_case {
    const char* file;
    const char* deliverable;
    friend void PrintTo(const sample_case& c, std::ostream* out) { *out << c.file << " " << c.deliverable; }
};

const sample_case samples[] = {
    {"samples/533945.mem", "vantor200"},
    {"samples/533946-gaps.mem", "vantor50"},
    {"samples/coastal.lem", "qelmar10"},
    {"samples/hillgap.lem", "qelmar5"},
};

class loaded_by_assimp : public testing::TestWithParam<sample_case> {};

// assimp splits every OBJ polyline into two-point line faces, each with its own copy of
// its end points: a line shape of n points becomes n - 1 faces.
TEST_P(loaded_by_assimp, obj_has_one_line_face_per_segment_between_the_imported_points) {
    const deliverable& d = *find_deliverable(GetParam().deliverable);
    const reference_import expected(GetParam().file, d);
    written_file obj;
    ASSERT_NO_FATAL_FAILURE(write_with_tool(obj, GetParam().file, d, "obj"));

    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(obj.path, 0);
    ASSERT_NE(scene, nullptr) << importer.GetErrorString();
    ASSERT_EQ(scene->mNumMeshes, 1u);
    const aiMesh& mesh = *scene->mMeshes[0];
    EXPECT_EQ(mesh.mPrimitiveTypes, static_cast<unsigned>(aiPrimitiveType_LINE));
    ASSERT_EQ(mesh.mNumFaces, segment_count(expected.line_sizes));

    // Walk the faces alongside the imported lines: face k joins point p and p + 1 of its line.
    std::size_t face = 0, first = 0;
    for (const std::size_t n : expected.line_sizes) {
        for (std::size_t p = 0; p + 1 < n; ++p, ++face) {
            const aiFace& f = mesh.mFaces[face];
            ASSERT_EQ(f.mNumIndices, 2u);
            if (face % 97 == 0 || face + 1 == mesh.mNumFaces) {  // a spread of faces, and the last
                expect_same_point(mesh.mVertices[f.mIndices[0]], expected.points[first + p]);
                expect_same_point(mesh.mVertices[f.mIndices[1]], expected.points[first + p + 1]);
            }
        }
        first += n;
    }
}

TEST_P(loaded_by_assimp, ply_has_every_imported_point_as_a_vertex_and_names_its_edges) {
    const deliverable& d = *find_deliverable(GetParam().deliverable);
    const reference_import expected(GetParam().file, d);
    written_file ply;
    ASSERT_NO_FATAL_FAILURE(write_with_tool(ply, GetParam().file, d, "ply"));

    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(ply.path, 0);  // no validation: edges alone make no faces
    ASSERT_NE(scene, nullptr) << importer.GetErrorString();
    ASSERT_EQ(scene->mNumMeshes, 1u);
    const aiMesh& mesh = *scene->mMeshes[0];
    ASSERT_EQ(mesh.mNumVertices, expected.points.size());
    for (std::size_t k = 0; k < expected.points.size(); k += 211) expect_same_point(mesh.mVertices[k], expected.points[k]);
    expect_same_point(mesh.mVertices[expected.points.size() - 1], expected.points.back());

    // assimp reads no edges; the header still has to announce each segment once.
    EXPECT_NE(file_bytes(ply.path).find("element edge " + std::to_string(segment_count(expected.line_sizes)) + "\n"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(samples, loaded_by_assimp, testing::ValuesIn(samples),
                         [](const testing::TestParamInfo<sample_case>& info) {
                             return std::string(info.param.deliverable);
                         });

// Positions worked out by hand: a 200 x 200 grid sampled every 4th point gives 50 lines
// of 50 points, x and z from -497.5 to 482.5 in steps of 20 host units.
TEST(loaded_by_assimp, obj_of_a_full_mem_grid_sampled_every_4th_point_lies_where_the_host_puts_it) {
    written_file obj;
    ASSERT_NO_FATAL_FAILURE(write_with_tool(obj, "samples/533945.mem", *find_deliverable("vantor200"), "obj"));
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(obj.path, 0);
    ASSERT_NE(scene, nullptr) << importer.GetErrorString();
    const aiMesh& mesh = *scene->mMeshes[0];
    ASSERT_EQ(mesh.mNumFaces, 50u * 49u);
    const aiFace& first = mesh.mFaces[0];
    const aiFace& last = mesh.mFaces[mesh.mNumFaces - 1];
    EXPECT_EQ(mesh.mVertices[first.mIndices[0]].x, -497.5f);
    EXPECT_EQ(mesh.mVertices[first.mIndices[0]].z, -497.5f);
    EXPECT_EQ(mesh.mVertices[first.mIndices[1]].x, -477.5f);
    EXPECT_EQ(mesh.mVertices[last.mIndices[1]].x, 482.5f);
    EXPECT_EQ(mesh.mVertices[last.mIndices[1]].z, 482.5f);

    // The object carries the part name in UTF-8, without the header field's padding.
    EXPECT_NE(file_bytes(obj.path).find("\no 533945 \u898b\u672c\u5c71\u5730\n"), std::string::npos);
}

// A grid one value wide gives line shapes of one point, which OBJ cannot write as a
// polyline: they become point elements, and assimp loads them as points.
TEST(loaded_by_assimp, obj_writes_one_point_lines_as_points) {
    scratch_folder folder;
    std::string text;
    for (int k = 0; k < 5; ++k) text += "0000000001" + std::string(k % 2 ? "  120" : "   80") + "\r\n";
    const std::string file = folder.write("narrowcol.lem", text);
    written_file obj;
    ASSERT_NO_FATAL_FAILURE(write_with_tool(obj, file, *find_deliverable("qelmar5"), "obj"));
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(obj.path, 0);
    ASSERT_NE(scene, nullptr) << importer.GetErrorString();
    ASSERT_EQ(scene->mNumMeshes, 1u);
    const aiMesh& mesh = *scene->mMeshes[0];
    EXPECT_EQ(mesh.mPrimitiveTypes, static_cast<unsigned>(aiPrimitiveType_POINT));
    ASSERT_EQ(mesh.mNumFaces, 5u);
    for (unsigned k = 0; k < 5; ++k) {
        const aiVector3D& p = mesh.mVertices[mesh.mFaces[k].mIndices[0]];
        EXPECT_EQ(p.x, 0.0f);
        EXPECT_EQ(p.y, k % 2 ? 12.0f : 8.0f);
        EXPECT_EQ(p.z, 5.0f * k - 10.0f);
    }
}

}  // namespace
