#pragma once
// The number of key frames a single-key-frame model file (MD2, MD3, MDC, IDPO MDL)
// declares in its header.
#include <optional>
#include <string_view>

namespace korvath::convert {

// The declared count, or empty for another kind of file, a header cut short or a count that
// is not positive.
std::optional<int> declaredKeyFrames(std::string_view bytes);

}  // namespace korvath::convert
