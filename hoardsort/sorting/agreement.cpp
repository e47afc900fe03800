#include "hoardsort/sorting/agreement.h"

#include "common/files/atomic_file.h"
#include "common/files/game_path.h"
#include "common/text/text_lines.h"

namespace fs = std::filesystem;

namespace hoardsort {

namespace {

constexpr std::string_view kAgreementLine = "DisplayAgreement = 0";

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

bool agreementRecorded(const fs::path& home) {
    fs::path file = korvath::resolveGamePath(home, "hoardsort.cfg");
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return false;
    auto lines = korvath::readTextLines(file);
    if (!lines || lines->empty()) return false;
    std::string_view first = (*lines)[0];
    return trimBlanks(first.substr(0, first.find(','))) == kAgreementLine;
}

korvath::Status recordAgreement(const fs::path& home) {
    return korvath::writeFileAtomically(korvath::resolveGamePath(home, "HOARDSORT.CFG"),
                                        std::string(kAgreementLine) + "\r\n");
}

std::optional<std::string> disclaimerText(const fs::path& home) {
    fs::path file = korvath::resolveGamePath(home, "ula.txt");
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return std::nullopt;
    auto lines = korvath::readTextLines(file);
    if (!lines) return std::nullopt;
    return korvath::joinCrLf(*lines);
}

bool runAgreementCheck(const fs::path& home, korvath::Interaction& interaction,
                       const std::function<int()>& showAgreement) {
    if (agreementRecorded(home)) return true;
    if (interaction.runDialog(kAgreementDialog, showAgreement) != 1) return false;
    // Not being able to remember the answer only means asking again next time.
    recordAgreement(home);
    return true;
}

}  // namespace hoardsort
