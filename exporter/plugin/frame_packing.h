#pragma once
// One frame of one mesh packed into the animation file's 32-bit words.
#include <cstddef>
#include <cstdint>

#include "exporter/host/types.h"

namespace korvathexp {

// Packs `count` vertices moved by `tm`, x negated, into `out` (PackVertex of `tm * v`); true
// when a coordinate lies outside -128..128. This is the definition of the packing.
bool PackFrameScalar(const hostsdk::Matrix3& tm, const hostsdk::Point3* verts, size_t count, std::uint32_t* out);

// The same words and answer, four vertices at a time where the compiler has vector extensions,
// eight where the processor also has 256-bit vectors (else PackFrameScalar itself).
bool PackFrame(const hostsdk::Matrix3& tm, const hostsdk::Point3* verts, size_t count, std::uint32_t* out);

}  // namespace korvathexp
