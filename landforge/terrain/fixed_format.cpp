#include "landforge/terrain/fixed_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace landforge {

namespace {

using u128 = unsigned __int128;

constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

void writePair(char* out, unsigned v) { std::memcpy(out, kPairs + 2 * v, 2); }

char* writeWhole(char* out, std::uint64_t whole);

// Writes `whole` with at least one digit, then ".dddddd" from `micro` (< 10^6).
char* writeDigits(char* out, std::uint64_t whole, std::uint32_t micro) {
    if (whole < 10) {
        *out++ = static_cast<char>('0' + whole);
    } else if (whole < 100) {
        writePair(out, static_cast<unsigned>(whole));
        out += 2;
    } else {
        out = writeWhole(out, whole);
    }
    *out++ = '.';
    writePair(out, micro / 10000);
    writePair(out + 2, micro / 100 % 100);
    writePair(out + 4, micro % 100);
    return out + 6;
}

char* writeWhole(char* out, std::uint64_t whole) {
    char tmp[24];
    char* t = tmp + sizeof tmp;
    while (whole >= 100) {
        t -= 2;
        writePair(t, static_cast<unsigned>(whole % 100));
        whole /= 100;
    }
    if (whole >= 10) {
        t -= 2;
        writePair(t, static_cast<unsigned>(whole));
    } else {
        *--t = static_cast<char>('0' + whole);
    }
    std::size_t n = static_cast<std::size_t>(tmp + sizeof tmp - t);
    std::memcpy(out, t, n);
    return out + n;
}

// Rounds |v| * 10^6 to an integer exactly, ties to even; false when it does not fit in 64 bits.
// `bits` is the double's representation without its sign; it must be finite.
bool exactMicros(std::uint64_t bits, std::uint64_t& micros) {
    int biased = static_cast<int>(bits >> 52);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0) {  // zero and subnormals round to 0
        micros = 0;
        return true;
    }
    mantissa |= std::uint64_t{1} << 52;
    int shift = biased - 1075;  // value = mantissa * 2^shift
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
    u128 q = scaled >> right;
    u128 rem = scaled - (q << right);
    u128 half = static_cast<u128>(1) << (right - 1);
    if (rem > half || (rem == half && (q & 1))) ++q;
    if (q >> 64) return false;
    micros = static_cast<std::uint64_t>(q);
    return true;
}

// The common case without 128-bit arithmetic: below 2^40 the product |v| * 10^6 is within
// 2^-13 of the exact one, so it rounds the same way unless its fraction lies near one half
// (those go to exactMicros).
bool quickMicros(double value, std::uint64_t& micros) {
    double p = std::fabs(value) * 1e6;
    if (!(p < 1099511627776.0)) return false;  // 2^40; also refuses non-numbers
    auto whole = static_cast<std::uint64_t>(p);  // p >= 0: truncation is the floor
    double frac = p - static_cast<double>(whole);  // exact
    if (std::fabs(frac - 0.5) < 1.0 / 1024) return false;
    micros = whole + (frac > 0.5 ? 1 : 0);
    return true;
}

}  // namespace

char* formatSignedFixed(char* out, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = bits >> 63;
    bits &= ~(std::uint64_t{1} << 63);
    std::uint64_t micros;
    if (quickMicros(value, micros) || ((bits >> 52) != 0x7FF && exactMicros(bits, micros))) {
        *out++ = (negative && micros != 0) ? '-' : '+';
        return writeDigits(out, micros / 1000000u, static_cast<std::uint32_t>(micros % 1000000u));
    }
    // Very large values and non-numbers: the library's exact conversion.
    char* start = out;
    if (!std::signbit(value)) *out++ = '+';
    auto result = std::to_chars(out, start + kMaxFixedChars, value, std::chars_format::fixed, 6);
    return result.ptr;
}

std::string signedFixed(double value) {
    char buf[kMaxFixedChars];
    return std::string(buf, formatSignedFixed(buf, value));
}

}  // namespace landforge
