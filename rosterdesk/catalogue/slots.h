#pragma once
// The catalogue's arrays keep free slots at their end (an entry whose texts are empty) and
// grow when the slot handed out is the last one, so readers can always stop at a free slot.
#include <cstddef>
#include <optional>
#include <vector>

namespace rosterdesk {

// Indexes and fill counters were 16-bit: no array holds more entries than this.
inline constexpr std::size_t kMaxSlots = 32767;

// Index of the first free slot. When that slot is the last one the array grows by `growBy`
// free slots (never beyond kMaxSlots). nullopt when the array is full.
template <typename T, typename IsFree>
std::optional<std::size_t> takeFreeSlot(std::vector<T>& slots, IsFree isFree, std::size_t growBy = 1) {
    std::size_t index = 0;
    while (index < slots.size() && !isFree(slots[index])) ++index;
    if (index >= kMaxSlots) return std::nullopt;
    if (index + 1 >= slots.size()) {
        std::size_t wanted = index + 1 + growBy;
        if (wanted > kMaxSlots) wanted = kMaxSlots;
        if (wanted > slots.size()) slots.resize(wanted);
    }
    return index;
}

// The same for arrays that are filled only through this function and never cleared, so no
// free slot stands before a used one: the first free slot is found from the end, which keeps
// filling a long array linear.
template <typename T, typename IsFree>
std::optional<std::size_t> appendSlot(std::vector<T>& slots, IsFree isFree, std::size_t growBy = 1) {
    std::size_t index = slots.size();
    while (index > 0 && isFree(slots[index - 1])) --index;
    if (index >= kMaxSlots) return std::nullopt;
    if (index + 1 >= slots.size()) {
        std::size_t wanted = index + 1 + growBy;
        if (wanted > kMaxSlots) wanted = kMaxSlots;
        if (wanted > slots.size()) slots.resize(wanted);
    }
    return index;
}

}  // namespace rosterdesk
