#include "exporter/plugin/frame_packing.h"

#include <algorithm>
#include <cstring>

#include "exporter/plugin/mesh_files.h"

// The four-lane path needs the vector extensions of GCC and Clang; other compilers, and builds
// that define KORVATHEXP_SCALAR_PACKING, use the scalar definition.
#if !defined(KORVATHEXP_SCALAR_PACKING) && defined(__GNUC__) && defined(__has_builtin)
#if __has_builtin(__builtin_shufflevector) && __has_builtin(__builtin_convertvector)
#define KORVATHEXP_VECTOR_PACKING 1
#endif
#endif

namespace korvathexp {

using hostsdk::Matrix3;
using hostsdk::Point3;

bool PackFrameScalar(const Matrix3& tm, const Point3* verts, size_t count, std::uint32_t* out) {
    bool outside = false;
    for (size_t v = 0; v < count; ++v) {
        const Point3 p = tm * verts[v];
        const float x = -p.x;
        // Written so that a coordinate that is not a number counts as outside too.
        if (!(x <= 128.0f && x >= -128.0f && p.y <= 128.0f && p.y >= -128.0f && p.z <= 128.0f && p.z >= -128.0f))
            outside = true;
        out[v] = PackVertex(x, p.y, p.z);
    }
    return outside;
}

#ifdef KORVATHEXP_VECTOR_PACKING

namespace {

// Four vertices go through at once, each lane taking the same steps in the same order as
// `tm * v` and PackVertex, so the words are exactly PackFrameScalar's.
bool PackFourLanes(const Matrix3& tm, const Point3* verts, size_t count, std::uint32_t* out) {
    using Floats = float __attribute__((vector_size(16)));
    using Ints = std::int32_t __attribute__((vector_size(16)));
    using Words = std::uint32_t __attribute__((vector_size(16)));
    Floats m[4][3];  // m[row][column], each entry in all four lanes
    for (int r = 0; r < 4; ++r) {
        const Point3 row = tm.GetRow(r);
        m[r][0] = Floats{row.x, row.x, row.x, row.x};
        m[r][1] = Floats{row.y, row.y, row.y, row.y};
        m[r][2] = Floats{row.z, row.z, row.z, row.z};
    }
    Ints outside = {0, 0, 0, 0};
    auto packFour = [&](const Point3* q, std::uint32_t* dst, int lanes) {
        // Twelve coordinates in three loads, sorted into x, y and z of the four vertices.
        static_assert(sizeof(Point3) == 3 * sizeof(float));
        Floats a, b, c;
        std::memcpy(&a, reinterpret_cast<const float*>(q), sizeof a);
        std::memcpy(&b, reinterpret_cast<const float*>(q) + 4, sizeof b);
        std::memcpy(&c, reinterpret_cast<const float*>(q) + 8, sizeof c);
        const Floats x = __builtin_shufflevector(__builtin_shufflevector(a, b, 0, 3, 6, 7), c, 0, 1, 2, 5);
        const Floats y = __builtin_shufflevector(__builtin_shufflevector(a, b, 1, 4, 7, 0), c, 0, 1, 2, 6);
        const Floats z = __builtin_shufflevector(__builtin_shufflevector(a, b, 2, 5, 0, 1), c, 0, 1, 4, 7);
        const Floats px = -(x * m[0][0] + y * m[1][0] + z * m[2][0] + m[3][0]);
        const Floats py = x * m[0][1] + y * m[1][1] + z * m[2][1] + m[3][1];
        const Floats pz = x * m[0][2] + y * m[1][2] + z * m[2][2] + m[3][2];
        const Ints real = Ints{0, 1, 2, 3} < lanes;
        outside |= real & ~((px <= 128.0f) & (px >= -128.0f) & (py <= 128.0f) & (py >= -128.0f) & (pz <= 128.0f) &
                            (pz >= -128.0f));
        // Scaling by a power of two is exact in float as in double; past 2^31 PackVertex decides.
        const Floats sx = px * 8.0f, sy = py * 8.0f, sz = pz * 4.0f;
        const Ints fits = (sx < 2147483648.0f) & (sx > -2147483648.0f) & (sy < 2147483648.0f) &
                          (sy > -2147483648.0f) & (sz < 2147483648.0f) & (sz > -2147483648.0f);
        Ints all = fits & __builtin_shufflevector(fits, fits, 2, 3, 0, 1);
        all &= __builtin_shufflevector(all, all, 1, 0, 3, 2);
        if (all[0]) {
            // Truncates toward zero, as PackVertex does.
            const Words tx = (Words)__builtin_convertvector(sx, Ints);
            const Words ty = (Words)__builtin_convertvector(sy, Ints);
            const Words tz = (Words)__builtin_convertvector(sz, Ints);
            const Words w = (tx & 0x7FFu) | ((ty & 0x7FFu) << 11) | ((tz & 0x3FFu) << 22);
            if (lanes == 4)
                std::memcpy(dst, &w, sizeof w);
            else
                for (int i = 0; i < lanes; ++i) dst[i] = w[i];
        } else {
            for (int i = 0; i < lanes; ++i) dst[i] = PackVertex(px[i], py[i], pz[i]);
        }
    };
    size_t v = 0;
    for (; v + 4 <= count; v += 4) packFour(verts + v, out + v, 4);
    if (v < count) {
        Point3 rest[4];
        std::copy(verts + v, verts + count, rest);
        packFour(rest, out + v, static_cast<int>(count - v));
    }
    return outside[0] || outside[1] || outside[2] || outside[3];
}

#if defined(__x86_64__) || defined(__i386__)
#define KORVATHEXP_EIGHT_LANES 1

// The same steps on eight vertices at once where the processor has 256-bit vectors; the whole
// groups of eight here, the rest four lanes at a time. No fused multiply-add is enabled, so
// each product and sum rounds as in the scalar definition.
__attribute__((target("avx2"))) bool PackEightLanes(const Matrix3& tm, const Point3* verts, size_t count,
                                                    std::uint32_t* out) {
    using Floats = float __attribute__((vector_size(32)));
    using Ints = std::int32_t __attribute__((vector_size(32)));
    using Words = std::uint32_t __attribute__((vector_size(32)));
    Floats m[4][3];
    for (int r = 0; r < 4; ++r) {
        const Point3 row = tm.GetRow(r);
        m[r][0] = Floats{} + row.x;
        m[r][1] = Floats{} + row.y;
        m[r][2] = Floats{} + row.z;
    }
    Ints outside = {};
    size_t v = 0;
    for (; v + 8 <= count; v += 8) {
        static_assert(sizeof(Point3) == 3 * sizeof(float));
        const float* q = reinterpret_cast<const float*>(verts + v);
        Floats a, b, c;
        std::memcpy(&a, q, sizeof a);
        std::memcpy(&b, q + 8, sizeof b);
        std::memcpy(&c, q + 16, sizeof c);
        const Floats x = __builtin_shufflevector(__builtin_shufflevector(a, b, 0, 3, 6, 9, 12, 15, 0, 0), c, 0, 1, 2, 3,
                                                 4, 5, 10, 13);
        const Floats y = __builtin_shufflevector(__builtin_shufflevector(a, b, 1, 4, 7, 10, 13, 0, 0, 0), c, 0, 1, 2, 3,
                                                 4, 8, 11, 14);
        const Floats z = __builtin_shufflevector(__builtin_shufflevector(a, b, 2, 5, 8, 11, 14, 0, 0, 0), c, 0, 1, 2, 3,
                                                 4, 9, 12, 15);
        const Floats px = -(x * m[0][0] + y * m[1][0] + z * m[2][0] + m[3][0]);
        const Floats py = x * m[0][1] + y * m[1][1] + z * m[2][1] + m[3][1];
        const Floats pz = x * m[0][2] + y * m[1][2] + z * m[2][2] + m[3][2];
        outside |= ~((px <= 128.0f) & (px >= -128.0f) & (py <= 128.0f) & (py >= -128.0f) & (pz <= 128.0f) &
                     (pz >= -128.0f));
        const Floats sx = px * 8.0f, sy = py * 8.0f, sz = pz * 4.0f;
        const Ints fits = (sx < 2147483648.0f) & (sx > -2147483648.0f) & (sy < 2147483648.0f) &
                          (sy > -2147483648.0f) & (sz < 2147483648.0f) & (sz > -2147483648.0f);
        bool all = true;
        for (int i = 0; i < 8; ++i) all = all && fits[i];
        if (all) {
            const Words tx = (Words)__builtin_convertvector(sx, Ints);
            const Words ty = (Words)__builtin_convertvector(sy, Ints);
            const Words tz = (Words)__builtin_convertvector(sz, Ints);
            const Words w = (tx & 0x7FFu) | ((ty & 0x7FFu) << 11) | ((tz & 0x3FFu) << 22);
            std::memcpy(out + v, &w, sizeof w);
        } else {
            for (int i = 0; i < 8; ++i) out[v + size_t(i)] = PackVertex(px[i], py[i], pz[i]);
        }
    }
    bool any = v < count && PackFourLanes(tm, verts + v, count - v, out + v);
    for (int i = 0; i < 8; ++i) any = any || outside[i];
    return any;
}
#endif

}  // namespace

bool PackFrame(const Matrix3& tm, const Point3* verts, size_t count, std::uint32_t* out) {
#ifdef KORVATHEXP_EIGHT_LANES
    static const bool eightLanes = __builtin_cpu_supports("avx2");
    if (eightLanes) return PackEightLanes(tm, verts, count, out);
#endif
    return PackFourLanes(tm, verts, count, out);
}

#else

bool PackFrame(const Matrix3& tm, const Point3* verts, size_t count, std::uint32_t* out) {
    return PackFrameScalar(tm, verts, count, out);
}

#endif

}  // namespace korvathexp
