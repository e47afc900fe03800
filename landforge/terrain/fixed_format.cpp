#include "terrain/fixed_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace landforge {

namespace {

using u128 = unsigned __int128;

// Writes `v` (< 10^20) with at least one digit, then ".dddddd" from `micro`.
char* writeDigits(char* out, std::uint64_t whole, std::uint32_t micro) {
    char tmp[24];
    int n = 0;
    do {
        tmp[n++] = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    while (n > 0) *out++ = tmp[--n];
    *out++ = '.';
    for (int k = 5; k >= 0; --k) {
        out[k] = static_cast<char>('0' + micro % 10);
        micro /= 10;
    }
    return out + 6;
}

// Rounds |v| * 10^6 to an integer exactly, ties to even; false when it does not fit in 64 bits.
bool exactMicros(double magnitude, std::uint64_t& micros) {
    if (magnitude == 0.0) {
        micros = 0;
        return true;
    }
    int exp;
    double frac = std::frexp(magnitude, &exp);  // magnitude = frac * 2^exp, frac in [0.5, 1)
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(frac, 53));
    int shift = exp - 53;  // magnitude = mantissa * 2^shift
    u128 scaled = static_cast<u128>(mantissa) * 1000000u;  // < 2^73
    if (shift >= 0) {
        if (shift > 50) return false;
        u128 v = scaled << shift;
        if (v >> 64) return false;
        micros = static_cast<std::uint64_t>(v);
        return true;
    }
    int right = -shift;
    if (right > 100) {  // below 2^-27 * 10^-6: rounds to zero
        micros = 0;
        return true;
    }
    u128 q = right >= 128 ? 0 : scaled >> right;
    u128 rem = scaled - (q << right);
    u128 half = static_cast<u128>(1) << (right - 1);
    if (rem > half || (rem == half && (q & 1))) ++q;
    if (q >> 64) return false;
    micros = static_cast<std::uint64_t>(q);
    return true;
}

}  // namespace

char* formatSignedFixed(char* out, double value) {
    if (std::isfinite(value)) {
        std::uint64_t micros;
        if (exactMicros(std::fabs(value), micros)) {
            *out++ = (std::signbit(value) && micros != 0) ? '-' : '+';
            return writeDigits(out, micros / 1000000u, static_cast<std::uint32_t>(micros % 1000000u));
        }
    }
    // Very large values and non-numbers: the library's exact conversion.
    char* start = out;
    if (!std::signbit(value) || std::isnan(value)) *out++ = '+';
    auto result = std::to_chars(out, start + kMaxFixedChars, value, std::chars_format::fixed, 6);
    return result.ptr;
}

std::string signedFixed(double value) {
    char buf[kMaxFixedChars];
    return std::string(buf, formatSignedFixed(buf, value));
}

}  // namespace landforge
