#include "rosterdesk/catalogue/unmatched_file.h"

#include <ctime>
#include <vector>

#include "common/files/atomic_file.h"
#include "common/text/text_lines.h"

namespace rosterdesk {

namespace {
const char* const kWeekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

template <typename T, std::size_t N>
const char* nameAt(const T (&names)[N], int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? names[index] : "";
}

std::string two(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }
}  // namespace

LocalTime currentLocalTime() {
    std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_wday,
            parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

std::string unmatchedListFileName(const LocalTime& when) {
    return "UnMatched_Files_" + std::to_string(when.month) + "-" + std::to_string(when.day) + "-" +
           std::to_string(when.year) + "_h" + std::to_string(when.hour) + "m" + std::to_string(when.minute) + "s" +
           std::to_string(when.second) + ".txt";
}

std::string formatUnmatchedList(const UnmatchedSkinList& list, const LocalTime& when) {
    const std::string stars(70, '*');
    int hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
    std::vector<std::string> lines{
        stars,
        "* UNMATCHED SKIN FILE LIST OUTPUT",
        std::string("* Date: ") + nameAt(kWeekdays, when.weekday) + ", " + nameAt(kMonths, when.month - 1) + " " +
            std::to_string(when.day) + ", " + std::to_string(when.year),
        "* Time: " + std::to_string(hour12) + ":" + two(when.minute) + ":" + two(when.second) +
            (when.hour < 12 ? " AM" : " PM"),
        stars,
        " ",
    };
    for (const FaceEntry& entry : list) lines.push_back(entry.name);
    lines.emplace_back(" ");
    lines.emplace_back("End of List");
    return korvath::joinCrLf(lines);
}

UnmatchedListWrite writeUnmatchedList(const std::filesystem::path& folder, const UnmatchedSkinList& list,
                                      const LocalTime& when) {
    UnmatchedListWrite result{folder / unmatchedListFileName(when), {}};
    if (!korvath::writeFileAtomically(result.file, formatUnmatchedList(list, when)))
        result.status = korvath::Status::failure("The list could not be written to " + result.file.string() + ".");
    return result;
}

UnmatchedListWrite saveUnmatchedList(korvath::Interaction& ui, const std::filesystem::path& folder,
                                     const UnmatchedSkinList& list, const LocalTime& when) {
    UnmatchedListWrite result = writeUnmatchedList(folder, list, when);
    if (result.status)
        ui.inform("Rosterdesk", "File Created");
    else
        ui.inform("Rosterdesk", result.status.error(), korvath::Icon::Warning);
    return result;
}

}  // namespace rosterdesk
