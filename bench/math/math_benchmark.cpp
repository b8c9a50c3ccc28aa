// Our math library side by side with glm and Eigen on the same inputs. Each
// operation runs as <op>/ours, <op>/glm and, where Eigen has it, <op>/eigen; after
// the run a table gives the ratio of our CPU time to glm's (and Eigen's).
//
// Mapping the conventions (as the cross-check tests do): our row-major, row-vector
// matrix has the memory of glm's (and column-major Eigen's) column-vector matrix of
// the same transform, so our A * B is their B * A and our v * M is their M * v; our
// quaternion is their conjugate.

#define GLM_ENABLE_EXPERIMENTAL
#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <Eigen/Dense>
#include <Eigen/Geometry>

#include <benchmark/benchmark.h>

#include "math/interpolation.h"
#include "math/mat4.h"
#include "math/quat.h"
#include "math/rotation.h"
#include "math/transforms.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t pool_size = 256;  // inputs cycled through, so nothing folds away

struct inputs {
    std::array<mat4, pool_size> m;
    std::array<glm::mat4, pool_size> gm;
    std::array<Eigen::Matrix4f, pool_size> em;
    std::array<vec4, pool_size> v;
    std::array<glm::vec4, pool_size> gv;
    std::array<Eigen::Vector4f, pool_size> ev;
    std::array<quat, pool_size> q;
    std::array<glm::quat, pool_size> gq;
    std::array<Eigen::Quaternionf, pool_size> eq;
    std::array<vec3, pool_size> angles;
    std::array<float, pool_size> t;

    inputs() {
        std::mt19937 rng(12345);
        std::uniform_real_distribution<float> d(-1.0f, 1.0f);
        for (std::size_t i = 0; i < pool_size; ++i) {
            m[i] = scaling(vec3(1.5f + d(rng), 1.5f + d(rng), 1.5f + d(rng))) *
                   rotation_from_euler(vec3(3 * d(rng), d(rng), 3 * d(rng))) * translation(vec3(d(rng), d(rng), d(rng)));
            m[i][0].w = 0.1f * d(rng);  // a general matrix, not only an affine one
            std::memcpy(glm::value_ptr(gm[i]), &m[i], sizeof(mat4));
            std::memcpy(em[i].data(), &m[i], sizeof(mat4));
            v[i] = vec4(d(rng), d(rng), d(rng), 1.0f);
            gv[i] = glm::vec4(v[i].x, v[i].y, v[i].z, v[i].w);
            ev[i] = Eigen::Vector4f(v[i].x, v[i].y, v[i].z, v[i].w);
            q[i] = normalized(quat(d(rng), d(rng), d(rng), d(rng)));
            gq[i] = glm::quat(q[i].w, -q[i].x, -q[i].y, -q[i].z);
            eq[i] = Eigen::Quaternionf(q[i].w, -q[i].x, -q[i].y, -q[i].z);
            angles[i] = vec3(3 * d(rng), 1.5f * d(rng), 3 * d(rng));
            t[i] = 0.5f + 0.5f * d(rng);
        }
    }
};

const inputs& pool() {
    static const inputs in;
    return in;
}

// Runs op(i) for i cycling through the pool and keeps each result alive.
template <class Op>
void run(benchmark::State& state, Op op) {
    std::size_t i = 0;
    for (auto _ : state) {
        auto r = op(i);
        benchmark::DoNotOptimize(r);
        i = (i + 1) % pool_size;
    }
}

std::size_t next(std::size_t i) { return (i + 7) % pool_size; }

// mat4 product
void mat4_product_ours(benchmark::State& s) { run(s, [&](std::size_t i) { return pool().m[i] * pool().m[next(i)]; }); }
void mat4_product_glm(benchmark::State& s) { run(s, [&](std::size_t i) { return pool().gm[next(i)] * pool().gm[i]; }); }
void mat4_product_eigen(benchmark::State& s) {
    run(s, [&](std::size_t i) { return Eigen::Matrix4f(pool().em[next(i)] * pool().em[i]); });
}
// general inverse
void inverse_ours(benchmark::State& s) { run(s, [&](std::size_t i) { return inverse(pool().m[i]); }); }
void inverse_glm(benchmark::State& s) { run(s, [&](std::size_t i) { return glm::inverse(pool().gm[i]); }); }
void inverse_eigen(benchmark::State& s) { run(s, [&](std::size_t i) { return Eigen::Matrix4f(pool().em[i].inverse()); }); }
// determinant
void determinant_ours(benchmark::State& s) { run(s, [&](std::size_t i) { return determinant(pool().m[i]); }); }
void determinant_glm(benchmark::State& s) { run(s, [&](std::size_t i) { return glm::determinant(pool().gm[i]); }); }
void determinant_eigen(benchmark::State& s) { run(s, [&](std::size_t i) { return pool().em[i].determinant(); }); }
// row vector times matrix
void vec4_times_mat4_ours(benchmark::State& s) { run(s, [&](std::size_t i) { return pool().v[i] * pool().m[next(i)]; }); }
void vec4_times_mat4_glm(benchmark::State& s) { run(s, [&](std::size_t i) { return pool().gm[next(i)] * pool().gv[i]; }); }
void vec4_times_mat4_eigen(benchmark::State& s) {
    run(s, [&](std::size_t i) { return Eigen::Vector4f(pool().em[next(i)] * pool().ev[i]); });
}
// quaternion product (ours normalises its result; glm's and Eigen's do not)
void quat_product_ours(benchmark::State& s) { run(s, [&](std::size_t i) { return pool().q[i] * pool().q[next(i)]; }); }
void quat_product_glm(benchmark::State& s) { run(s, [&](std::size_t i) { return pool().gq[next(i)] * pool().gq[i]; }); }
void quat_product_eigen(benchmark::State& s) {
    run(s, [&](std::size_t i) { return Eigen::Quaternionf(pool().eq[next(i)] * pool().eq[i]); });
}
// quaternion normalisation
void quat_normalize_ours(benchmark::State& s) { run(s, [&](std::size_t i) { return normalized(pool().q[i] * 1.5f); }); }
void quat_normalize_glm(benchmark::State& s) { run(s, [&](std::size_t i) { return glm::normalize(pool().gq[i] * 1.5f); }); }
void quat_normalize_eigen(benchmark::State& s) {
    run(s, [&](std::size_t i) {
        Eigen::Quaternionf q = pool().eq[i];
        q.coeffs() *= 1.5f;
        return q.normalized();
    });
}
// spherical interpolation
void slerp_ours(benchmark::State& s) {
    run(s, [&](std::size_t i) { return slerp(pool().q[i], pool().q[next(i)], pool().t[i]); });
}
void slerp_glm(benchmark::State& s) {
    run(s, [&](std::size_t i) { return glm::slerp(pool().gq[i], pool().gq[next(i)], pool().t[i]); });
}
void slerp_eigen(benchmark::State& s) {
    run(s, [&](std::size_t i) { return pool().eq[i].slerp(pool().t[i], pool().eq[next(i)]); });
}
// Euler angles to quaternion (x applied first)
void euler_to_quat_ours(benchmark::State& s) { run(s, [&](std::size_t i) { return quat_from_euler(pool().angles[i]); }); }
void euler_to_quat_glm(benchmark::State& s) {
    run(s, [&](std::size_t i) {
        const vec3& a = pool().angles[i];
        return glm::quat(glm::vec3(a.x, a.y, a.z));
    });
}
void euler_to_quat_eigen(benchmark::State& s) {
    run(s, [&](std::size_t i) {
        const vec3& a = pool().angles[i];
        return Eigen::Quaternionf(Eigen::AngleAxisf(a.z, Eigen::Vector3f::UnitZ()) *
                                  Eigen::AngleAxisf(a.y, Eigen::Vector3f::UnitY()) *
                                  Eigen::AngleAxisf(a.x, Eigen::Vector3f::UnitX()));
    });
}
// quaternion to rotation matrix
void quat_to_matrix_ours(benchmark::State& s) { run(s, [&](std::size_t i) { return mat4(pool().q[i]); }); }
void quat_to_matrix_glm(benchmark::State& s) { run(s, [&](std::size_t i) { return glm::mat4_cast(pool().gq[i]); }); }
void quat_to_matrix_eigen(benchmark::State& s) {
    run(s, [&](std::size_t i) {
        Eigen::Matrix4f m = Eigen::Matrix4f::Identity();
        m.topLeftCorner<3, 3>() = pool().eq[i].toRotationMatrix();
        return m;
    });
}

struct peers {
    const char* op;
    void (*ours)(benchmark::State&);
    void (*glm)(benchmark::State&);
    void (*eigen)(benchmark::State&);
};
const peers all_peers[] = {
    {"mat4_product", mat4_product_ours, mat4_product_glm, mat4_product_eigen},
    {"inverse", inverse_ours, inverse_glm, inverse_eigen},
    {"determinant", determinant_ours, determinant_glm, determinant_eigen},
    {"vec4_times_mat4", vec4_times_mat4_ours, vec4_times_mat4_glm, vec4_times_mat4_eigen},
    {"quat_product", quat_product_ours, quat_product_glm, quat_product_eigen},
    {"quat_normalize", quat_normalize_ours, quat_normalize_glm, quat_normalize_eigen},
    {"slerp", slerp_ours, slerp_glm, slerp_eigen},
    {"euler_to_quat", euler_to_quat_ours, euler_to_quat_glm, euler_to_quat_eigen},
    {"quat_to_matrix", quat_to_matrix_ours, quat_to_matrix_glm, quat_to_matrix_eigen},
};

// Prints the usual console output and remembers the CPU time of every run by name
// (CPU time, because the machines that run this are shared).
class ratio_reporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.error_occurred) continue;
            const bool median = r.aggregate_name == "median";
            if (!median && !r.aggregate_name.empty()) continue;
            const std::string name = r.run_name.function_name;
            const auto slash = name.find('/');
            if (slash == std::string::npos) continue;
            entry& e = times_[name.substr(0, slash)][name.substr(slash + 1)];
            if (median || !e.from_median) e = {r.GetAdjustedCPUTime(), median};
        }
        for (const auto& [op, peers] : times_) {
            if (order_.empty() || order_.back() != op) {
                bool seen = false;
                for (const auto& o : order_) seen = seen || o == op;
                if (!seen) order_.push_back(op);
            }
        }
    }

    void print_ratios() const {
        std::printf("\n%-18s %12s %12s %12s %10s %12s\n", "operation", "ours (ns)", "glm (ns)", "eigen (ns)", "ours/glm",
                    "ours/eigen");
        for (const auto& op : order_) {
            const auto& peers = times_.at(op);
            const auto time = [&](const char* who) {
                const auto it = peers.find(who);
                return it == peers.end() ? 0.0 : it->second.time;
            };
            const double ours = time("ours"), glm = time("glm"), eigen = time("eigen");
            std::printf("%-18s %12.2f %12.2f %12.2f %10.2f %12.2f\n", op.c_str(), ours, glm, eigen,
                        glm > 0 ? ours / glm : 0.0, eigen > 0 ? ours / eigen : 0.0);
        }
    }

private:
    struct entry {
        double time = 0;
        bool from_median = false;
    };
    std::map<std::string, std::map<std::string, entry>> times_;
    std::vector<std::string> order_;
};

}  // namespace

int main(int argc, char** argv) {
    for (const peers& p : all_peers) {
        benchmark::RegisterBenchmark((std::string(p.op) + "/ours").c_str(), p.ours);
        benchmark::RegisterBenchmark((std::string(p.op) + "/glm").c_str(), p.glm);
        benchmark::RegisterBenchmark((std::string(p.op) + "/eigen").c_str(), p.eigen);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    ratio_reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratios();
    benchmark::Shutdown();
    return 0;
}
