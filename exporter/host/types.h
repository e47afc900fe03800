#pragma once
// Basic values of the host's plug-in interface: identifiers, times, points and matrices.
// The host and the plug-in both compile these headers, so they must stay plain and inline.
#include <cstdint>

namespace hostsdk {

using BOOL = int;
using DWORD = std::uint32_t;
using ULONG = unsigned long;
using TimeValue = int;         // ticks
using MtlID = unsigned short;  // a face's material id
using SClass_ID = ULONG;

constexpr int TRUE = 1;
constexpr int FALSE = 0;
constexpr int TIME_TICKSPERSEC = 4800;

// Version the plug-in reports from LibVersion: release 3000, interface 7, SDK revision 0.
constexpr ULONG HOST_RELEASE = 3000;
constexpr ULONG HOST_API_NUM = 7;
constexpr ULONG HOST_SDK_REV = 0;
constexpr ULONG HOST_VERSION = (HOST_RELEASE << 16) + (HOST_API_NUM << 8) + HOST_SDK_REV;

// Super-class identifiers.
constexpr SClass_ID GEOMOBJECT_CLASS_ID = 0x10;
constexpr SClass_ID HELPER_CLASS_ID = 0x70;
constexpr SClass_ID SCENE_EXPORT_CLASS_ID = 0xA20;

// Class identifier parts of the classes the exporter recognises.
constexpr ULONG TRIOBJ_CLASS_ID = 9;
constexpr ULONG DMTL_CLASS_ID = 2;
constexpr ULONG MULTI_CLASS_ID = 0x200;
constexpr ULONG BMTEX_CLASS_ID = 0x240;

// Export option bit: only the selected nodes were asked for.
constexpr DWORD SCENE_EXPORT_SELECTED = 1;

class Class_ID {
public:
    constexpr Class_ID() = default;
    constexpr Class_ID(ULONG a, ULONG b) : a_(a), b_(b) {}
    constexpr ULONG PartA() const { return a_; }
    constexpr ULONG PartB() const { return b_; }
    constexpr bool operator==(const Class_ID&) const = default;

private:
    ULONG a_ = 0xFFFFFFFF;
    ULONG b_ = 0xFFFFFFFF;
};

constexpr Class_ID triObjectClassID(TRIOBJ_CLASS_ID, 0);

class Interval {
public:
    constexpr Interval() = default;
    constexpr Interval(TimeValue start, TimeValue end) : start_(start), end_(end) {}
    constexpr TimeValue Start() const { return start_; }
    constexpr TimeValue End() const { return end_; }

private:
    TimeValue start_ = 0;
    TimeValue end_ = 0;
};

struct Point3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;

    constexpr Point3() = default;
    constexpr Point3(float px, float py, float pz) : x(px), y(py), z(pz) {}
    constexpr Point3 operator+(const Point3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    constexpr Point3 operator-(const Point3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    constexpr Point3 operator*(float f) const { return {x * f, y * f, z * f}; }
    constexpr bool operator==(const Point3&) const = default;
};

using UVVert = Point3;

constexpr Point3 CrossProd(const Point3& a, const Point3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

constexpr float DotProd(const Point3& a, const Point3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// A 4 x 3 transform for row vectors: rows 0-2 are the axes, row 3 the translation.
// p * A * B applies A first, so the world transform of a linked node is local * parentWorld.
class Matrix3 {
public:
    constexpr Matrix3() : rows_{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 0, 0}} {}
    constexpr Matrix3(Point3 r0, Point3 r1, Point3 r2, Point3 r3) : rows_{r0, r1, r2, r3} {}

    constexpr Point3 GetRow(int i) const { return rows_[i]; }
    constexpr void SetRow(int i, Point3 p) { rows_[i] = p; }
    constexpr Point3 GetTrans() const { return rows_[3]; }
    constexpr void SetTrans(Point3 p) { rows_[3] = p; }

    constexpr Point3 PointTransform(const Point3& p) const {
        return {p.x * rows_[0].x + p.y * rows_[1].x + p.z * rows_[2].x + rows_[3].x,
                p.x * rows_[0].y + p.y * rows_[1].y + p.z * rows_[2].y + rows_[3].y,
                p.x * rows_[0].z + p.y * rows_[1].z + p.z * rows_[2].z + rows_[3].z};
    }
    constexpr Point3 VectorTransform(const Point3& p) const {
        return {p.x * rows_[0].x + p.y * rows_[1].x + p.z * rows_[2].x,
                p.x * rows_[0].y + p.y * rows_[1].y + p.z * rows_[2].y,
                p.x * rows_[0].z + p.y * rows_[1].z + p.z * rows_[2].z};
    }
    // This transform followed by `b`.
    constexpr Matrix3 operator*(const Matrix3& b) const {
        return {b.VectorTransform(rows_[0]), b.VectorTransform(rows_[1]), b.VectorTransform(rows_[2]),
                b.PointTransform(rows_[3])};
    }
    constexpr bool operator==(const Matrix3&) const = default;

private:
    Point3 rows_[4];
};

// The transformed point, as the host's `Matrix3 * Point3` gives it.
constexpr Point3 operator*(const Matrix3& m, const Point3& p) { return m.PointTransform(p); }

constexpr Matrix3 ScaleMatrix(const Point3& s) { return {{s.x, 0, 0}, {0, s.y, 0}, {0, 0, s.z}, {0, 0, 0}}; }
constexpr Matrix3 TransMatrix(const Point3& t) { return {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, t}; }

}  // namespace hostsdk
