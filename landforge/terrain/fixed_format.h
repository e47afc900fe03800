#pragma once
// Numbers as "%+f" prints them in the C locale (sign always, six decimals, exact decimal
// rounding with ties to even), without the C library's locale or its per-call cost. A value
// that would print as negative zero prints "+0.000000".
#include <string>

namespace landforge {

// Room that one number may need: sign, 309 integer digits, point, six decimals.
inline constexpr int kMaxFixedChars = 320;

// Writes the text at `out` and returns the end. `out` must have kMaxFixedChars of room.
char* formatSignedFixed(char* out, double value);

std::string signedFixed(double value);

}  // namespace landforge
