#include "exporter/plugin/frame_packing.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

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

// Coordinate c of x·m[0] + y·m[1] + z·m[2] + m[3], summed in the scalar definition's order.
__attribute__((target("avx2"))) inline __m256 Column(__m256 x, __m256 y, __m256 z, const __m256 (&m)[4][3], int c) {
    const __m256 xy = _mm256_add_ps(_mm256_mul_ps(x, m[0][c]), _mm256_mul_ps(y, m[1][c]));
    return _mm256_add_ps(_mm256_add_ps(xy, _mm256_mul_ps(z, m[2][c])), m[3][c]);
}

// Lanes whose value lies strictly within ±limit (not a number does not).
__attribute__((target("avx2"))) inline __m256 Fits(__m256 s, __m256 sign, __m256 limit) {
    return _mm256_cmp_ps(_mm256_andnot_ps(sign, s), limit, _CMP_LT_OQ);
}

// The same steps on eight vertices at once where the processor has 256-bit vectors; the whole
// groups of eight here, the rest four lanes at a time. No fused multiply-add is used, so each
// product and sum rounds as in the scalar definition. The coordinates are sorted within each
// 128-bit half (vertices 0-3 low, 4-7 high), which costs three in-lane shuffles per axis where
// sorting across the halves would cost permutes.
__attribute__((target("avx2"))) bool PackEightLanes(const Matrix3& tm, const Point3* verts, size_t count,
                                                    std::uint32_t* out) {
    __m256 m[4][3];
    for (int r = 0; r < 4; ++r) {
        const Point3 row = tm.GetRow(r);
        m[r][0] = _mm256_set1_ps(row.x);
        m[r][1] = _mm256_set1_ps(row.y);
        m[r][2] = _mm256_set1_ps(row.z);
    }
    const __m256 sign = _mm256_set1_ps(-0.0f), bound = _mm256_set1_ps(128.0f);
    const __m256 limit = _mm256_set1_ps(2147483648.0f);
    const __m256i low11 = _mm256_set1_epi32(0x7FF), low10 = _mm256_set1_epi32(0x3FF);
    __m256 inside = _mm256_castsi256_ps(_mm256_set1_epi32(-1));
    size_t v = 0;
    for (; v + 8 <= count; v += 8) {
        static_assert(sizeof(Point3) == 3 * sizeof(float));
        const float* q = reinterpret_cast<const float*>(verts + v);
        // x0 y0 z0 x1 | y1 z1 x2 y2 | z2 x3 y3 z3 in the low halves, vertices 4-7 alike above.
        const __m256 m03 = _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_loadu_ps(q)), _mm_loadu_ps(q + 12), 1);
        const __m256 m14 = _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_loadu_ps(q + 4)), _mm_loadu_ps(q + 16), 1);
        const __m256 m25 = _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_loadu_ps(q + 8)), _mm_loadu_ps(q + 20), 1);
        const __m256 xy = _mm256_shuffle_ps(m14, m25, _MM_SHUFFLE(2, 1, 3, 2));  // x2 y2 x3 y3
        const __m256 yz = _mm256_shuffle_ps(m03, m14, _MM_SHUFFLE(1, 0, 2, 1));  // y0 z0 y1 z1
        const __m256 x = _mm256_shuffle_ps(m03, xy, _MM_SHUFFLE(2, 0, 3, 0));
        const __m256 y = _mm256_shuffle_ps(yz, xy, _MM_SHUFFLE(3, 1, 2, 0));
        const __m256 z = _mm256_shuffle_ps(yz, m25, _MM_SHUFFLE(3, 0, 3, 1));
        const __m256 px = _mm256_xor_ps(Column(x, y, z, m, 0), sign);
        const __m256 py = Column(x, y, z, m, 1);
        const __m256 pz = Column(x, y, z, m, 2);
        const __m256 ax = _mm256_andnot_ps(sign, px), ay = _mm256_andnot_ps(sign, py), az = _mm256_andnot_ps(sign, pz);
        // Compared so that a coordinate that is not a number counts as outside.
        inside = _mm256_and_ps(inside, _mm256_and_ps(_mm256_and_ps(_mm256_cmp_ps(ax, bound, _CMP_LE_OQ),
                                                                   _mm256_cmp_ps(ay, bound, _CMP_LE_OQ)),
                                                     _mm256_cmp_ps(az, bound, _CMP_LE_OQ)));
        // Scaling by a power of two is exact in float as in double; past 2^31 PackVertex decides.
        const __m256 sx = _mm256_mul_ps(px, _mm256_set1_ps(8.0f)), sy = _mm256_mul_ps(py, _mm256_set1_ps(8.0f));
        const __m256 sz = _mm256_mul_ps(pz, _mm256_set1_ps(4.0f));
        if (_mm256_movemask_ps(_mm256_and_ps(_mm256_and_ps(Fits(sx, sign, limit), Fits(sy, sign, limit)),
                                             Fits(sz, sign, limit))) == 0xFF) {
            // Truncates toward zero, as PackVertex does.
            const __m256i tx = _mm256_and_si256(_mm256_cvttps_epi32(sx), low11);
            const __m256i ty = _mm256_and_si256(_mm256_cvttps_epi32(sy), low11);
            const __m256i tz = _mm256_and_si256(_mm256_cvttps_epi32(sz), low10);
            const __m256i w =
                _mm256_or_si256(tx, _mm256_or_si256(_mm256_slli_epi32(ty, 11), _mm256_slli_epi32(tz, 22)));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + v), w);
        } else {
            float fx[8], fy[8], fz[8];  // unaligned: not every system's stack keeps 32-byte alignment
            _mm256_storeu_ps(fx, px);
            _mm256_storeu_ps(fy, py);
            _mm256_storeu_ps(fz, pz);
            for (int i = 0; i < 8; ++i) out[v + size_t(i)] = PackVertex(fx[i], fy[i], fz[i]);
        }
    }
    const bool restOutside = v < count && PackFourLanes(tm, verts + v, count - v, out + v);
    return restOutside || _mm256_movemask_ps(inside) != 0xFF;
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
