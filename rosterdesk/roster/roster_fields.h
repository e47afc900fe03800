#pragma once
// The per-slot keys of the roster section, in the order roster files write them, with how each
// value is held and written. Writer, reader and capture all walk this one table.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "rosterdesk/roster/roster.h"

namespace rosterdesk {

enum class FieldKind { Text, Team, Jumpy, Skill, Hundredths, Camping, Strafing };

struct SlotField {
    std::string_view key;
    FieldKind kind;
    SlotArray<std::string> Roster::*text = nullptr;     // Text fields
    SlotArray<std::int16_t> Roster::*number = nullptr;  // every other kind
};

// BotFaces first (files write it before the roster-wide lines), then the other 13 keys.
const std::array<SlotField, 14>& slotFields();
// The field of a key, compared without regard to case (the game's INI keys are).
const SlotField* findSlotField(std::string_view key);

// The value as written after "key[i]=".
std::string slotValueText(const Roster& roster, const SlotField& field, int slot);
// Whether a number is one the window's control for that field can hold.
bool fieldHolds(FieldKind kind, int value);
// Decodes the value of a whole file line for a numeric field; nullopt when it holds no number.
std::optional<int> decodeNumberLine(FieldKind kind, std::string_view line);

// "True" / "False" as the game writes booleans.
inline std::string_view boolText(bool value) { return value ? "True" : "False"; }

// Decimal text of an integer, independent of the locale.
std::string decimalText(long long value);
// A whole decimal integer (optional "-", trailing blanks allowed), nothing else; nullopt otherwise.
std::optional<long long> parseInteger(std::string_view text);

}  // namespace rosterdesk
