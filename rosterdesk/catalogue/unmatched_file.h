#pragma once
// The unmatched-skin list file the start-up window saves for the user:
// UnMatched_Files_<M>-<D>-<YYYY>_h<h>m<m>s<s>.txt in the program's folder.
#include <filesystem>
#include <string>

#include "common/interaction/interaction.h"
#include "common/result.h"
#include "rosterdesk/catalogue/catalogue.h"

namespace rosterdesk {

struct LocalTime {
    int year = 2001, month = 1, day = 1;  // month 1-12
    int weekday = 0;                      // 0 = Sunday
    int hour = 0, minute = 0, second = 0;
};
LocalTime currentLocalTime();

std::string unmatchedListFileName(const LocalTime& when);
// The file's text; free slots of the list give empty lines.
std::string formatUnmatchedList(const UnmatchedSkinList& list, const LocalTime& when);

struct UnmatchedListWrite {
    std::filesystem::path file;
    korvath::Status status;
};
UnmatchedListWrite writeUnmatchedList(const std::filesystem::path& folder, const UnmatchedSkinList& list,
                                      const LocalTime& when);
// "Save List to File": writes the file, then tells "File Created" (or why it failed).
UnmatchedListWrite saveUnmatchedList(korvath::Interaction& ui, const std::filesystem::path& folder,
                                     const UnmatchedSkinList& list, const LocalTime& when);

}  // namespace rosterdesk
