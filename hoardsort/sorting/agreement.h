#pragma once
// The disclaimer shown until the user has agreed once, remembered in hoardsort.cfg beside the
// program. Both files are found without regard to case.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "common/interaction/interaction.h"
#include "common/result.h"

namespace hoardsort {

// True when hoardsort.cfg exists in `home` and its first item (up to a comma or the line end)
// is "DisplayAgreement = 0".
bool agreementRecorded(const std::filesystem::path& home);

// Creates or replaces HOARDSORT.CFG (an existing file of another case is the one replaced)
// with the line "DisplayAgreement = 0".
korvath::Status recordAgreement(const std::filesystem::path& home);

// The text of ula.txt for the agreement window, each line followed by CR LF; nullopt when it
// cannot be read.
std::optional<std::string> disclaimerText(const std::filesystem::path& home);

// Start-up's agreement check. `showAgreement` runs the agreement window and returns 1 when it
// closed agreed, 0 when the program must end. False means: end the program now.
bool runAgreementCheck(const std::filesystem::path& home, korvath::Interaction& interaction,
                       const std::function<int()>& showAgreement);

// The name under which the interaction layer runs the agreement window.
inline constexpr const char* kAgreementDialog = "Form3";

}  // namespace hoardsort
