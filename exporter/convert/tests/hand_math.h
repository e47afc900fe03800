#pragma once
// The arithmetic the tests do by hand, in double precision, column vectors.
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace korvath::convert::testing {

struct V3 {
    double x = 0, y = 0, z = 0;
    V3 operator+(const V3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    V3 operator-(const V3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    V3 operator*(double f) const { return {x * f, y * f, z * f}; }
    bool operator==(const V3&) const = default;
};

inline V3 cross(const V3& a, const V3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double dot(const V3& a, const V3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

struct M4 {
    std::array<double, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};  // row major
    double& at(int r, int c) { return m[std::size_t(r * 4 + c)]; }
    double at(int r, int c) const { return m[std::size_t(r * 4 + c)]; }
    M4 operator*(const M4& b) const {
        M4 out;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) {
                double s = 0;
                for (int k = 0; k < 4; ++k) s += at(r, k) * b.at(k, c);
                out.at(r, c) = s;
            }
        return out;
    }
    V3 apply(const V3& p) const {
        return {at(0, 0) * p.x + at(0, 1) * p.y + at(0, 2) * p.z + at(0, 3),
                at(1, 0) * p.x + at(1, 1) * p.y + at(1, 2) * p.z + at(1, 3),
                at(2, 0) * p.x + at(2, 1) * p.y + at(2, 2) * p.z + at(2, 3)};
    }
    M4 scaled(double f) const {
        M4 out = *this;
        for (double& v : out.m) v *= f;
        return out;
    }
};

// Translation, rotation (quaternion x, y, z, w) and scale, applied scale first.
inline M4 fromTrs(const V3& t, const std::array<double, 4>& q, const V3& s) {
    const double x = q[0], y = q[1], z = q[2], w = q[3];
    M4 r;
    r.at(0, 0) = 1 - 2 * (y * y + z * z); r.at(0, 1) = 2 * (x * y - z * w); r.at(0, 2) = 2 * (x * z + y * w);
    r.at(1, 0) = 2 * (x * y + z * w); r.at(1, 1) = 1 - 2 * (x * x + z * z); r.at(1, 2) = 2 * (y * z - x * w);
    r.at(2, 0) = 2 * (x * z - y * w); r.at(2, 1) = 2 * (y * z + x * w); r.at(2, 2) = 1 - 2 * (x * x + y * y);
    for (int i = 0; i < 3; ++i) {
        r.at(i, 0) *= s.x;
        r.at(i, 1) *= s.y;
        r.at(i, 2) *= s.z;
    }
    r.at(0, 3) = t.x; r.at(1, 3) = t.y; r.at(2, 3) = t.z;
    return r;
}

// Spherical blend of two unit quaternions, the shorter way round.
inline std::array<double, 4> slerp(std::array<double, 4> a, std::array<double, 4> b, double f) {
    double c = a[0] * b[0] + a[1] * b[1] + a[2] * b[2] + a[3] * b[3];
    if (c < 0) {
        for (double& v : b) v = -v;
        c = -c;
    }
    double wa = 1 - f, wb = f;
    if (c < 0.9999) {
        const double angle = std::acos(c);
        wa = std::sin((1 - f) * angle) / std::sin(angle);
        wb = std::sin(f * angle) / std::sin(angle);
    }
    std::array<double, 4> q;
    for (std::size_t i = 0; i < 4; ++i) q[i] = a[i] * wa + b[i] * wb;
    return q;
}

// The game's coordinates of a point of a Y-up file, as the host turns it (a quarter turn about
// X, +Y up becomes +Z up) and the exporter writes it (X negated).
inline V3 gameFromYUp(const V3& p) { return {-p.x, -p.z, p.y}; }
// The same for a Z-up world: only X is negated.
inline V3 gameFromZUp(const V3& p) { return {-p.x, p.y, p.z}; }

// The packed fields read back as signed numbers: X and Y in eighths, Z in quarters.
struct Fields {
    int x, y, z;
};
inline Fields unpack(std::uint32_t word) {
    auto signExtend = [](std::uint32_t v, int bits) {
        const int value = int(v);
        return value >= (1 << (bits - 1)) ? value - (1 << bits) : value;
    };
    return {signExtend(word & 0x7FF, 11), signExtend((word >> 11) & 0x7FF, 11), signExtend(word >> 22, 10)};
}
// The fields a game position should give: truncated toward zero.
inline Fields expectedFields(const V3& game) {
    return {int(std::trunc(game.x * 8.0)), int(std::trunc(game.y * 8.0)), int(std::trunc(game.z * 4.0))};
}
// Equal but for a rounding step at a truncation boundary.
inline bool near(const Fields& a, const Fields& b) {
    return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1 && std::abs(a.z - b.z) <= 1;
}
inline V3 toUnits(const Fields& f) { return {f.x / 8.0, f.y / 8.0, f.z / 4.0}; }

}  // namespace korvath::convert::testing
