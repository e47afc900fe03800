#include "rosterdesk/roster/roster_file.h"

#include "common/files/game_path.h"
#include "common/text/text_lines.h"
#include "rosterdesk/roster/roster_body.h"
#include "rosterdesk/roster/roster_fields.h"

namespace rosterdesk {

namespace {

constexpr std::size_t kWrapWidth = 78;

std::string withoutLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;  // CR LF: one blank
        result += (c == '\r' || c == '\n') ? ' ' : c;
    }
    return result;
}

}  // namespace

std::string_view asteriskRow() {
    static const std::string row(80, '*');
    return row;
}

bool isRosterFileName(std::string_view fileName) {
    return fileName.size() >= 3 && korvath::equalsNoCase(fileName.substr(fileName.size() - 3), ".bm");
}

std::vector<std::string> wrapDescription(std::string_view description) {
    const std::string text = withoutLineBreaks(description);
    std::vector<std::string> lines;
    std::size_t start = 0;  // the characters still to write are text[start..]
    while (text.size() - start > kWrapWidth) {
        std::string_view piece = std::string_view(text).substr(start, kWrapWidth);
        std::size_t take = kWrapWidth;
        if (piece.back() != ' ') {
            std::size_t blank = piece.rfind(' ');
            if (blank != std::string_view::npos) take = blank + 1;  // keep the blank on this line
        }
        lines.push_back("* " + std::string(piece.substr(0, take)));
        start += take;
    }
    lines.push_back("* " + text.substr(start));
    return lines;
}

std::vector<std::string> rosterKeyLines(const Roster& roster) {
    std::vector<std::string> lines;
    lines.reserve(kRosterKeyLineCount);
    auto addField = [&](const SlotField& field) {
        for (int i = 0; i < kSlotCount; ++i)
            lines.push_back(std::string(field.key) + "[" + decimalText(i) + "]=" + slotValueText(roster, field, i));
    };
    const auto& fields = slotFields();
    addField(fields[0]);
    lines.push_back("bAdjustSkill=" + std::string(boolText(roster.bAdjustSkill)));
    lines.push_back("bRandomOrder=" + std::string(boolText(roster.bRandomOrder)));
    lines.push_back("Difficulty=" + decimalText(roster.Difficulty));
    for (std::size_t f = 1; f < fields.size(); ++f) addField(fields[f]);
    return lines;
}

std::string formatRosterFile(const Roster& roster, std::string_view fileName) {
    std::vector<std::string> lines = {
        std::string(asteriskRow()),
        "* " + std::string(fileName),
        "* This is a configuration created with Rosterdesk.",
        "* This file containes replacement code for the [Botpack.ChallengeBotInfo]",
        "* section of the user.ini file for Korvath Arena.",
        "*",
        std::string(kDescriptionMarker),
    };
    for (auto& line : wrapDescription(roster.description)) lines.push_back(std::move(line));
    lines.emplace_back(asteriskRow());
    lines.emplace_back();
    lines.emplace_back(kRosterSection);
    for (auto& line : rosterKeyLines(roster)) lines.push_back(std::move(line));
    return korvath::joinCrLf(lines);
}

namespace {

// Walks the file's lines by position, remembering where it is for messages.
class LineCursor {
public:
    explicit LineCursor(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    const std::string* next() { return pos_ < lines_.size() ? &lines_[pos_++] : nullptr; }
    std::size_t lineNumber() const { return pos_; }  // 1-based number of the line last read

private:
    std::vector<std::string> lines_;
    std::size_t pos_ = 0;
};

RosterParse failure(std::string message) { return RosterParse::failure(std::move(message)); }

std::string badValue(const LineCursor& cursor, const std::string& line) {
    return "Line " + decimalText(static_cast<long long>(cursor.lineNumber())) + " (\"" + line +
           "\") does not hold a value Rosterdesk can use.";
}

const char* const kEndsEarly = "The file ends before the whole roster was read.";

}  // namespace

RosterParse parseRosterFile(std::string_view bytes) {
    LineCursor cursor(korvath::splitLines(bytes));
    const std::string* line = nullptr;
    while ((line = cursor.next()) && *line != kDescriptionMarker) {
    }
    if (!line) return failure("The file has no \"* Description:\" line; it is not a roster file.");

    Roster roster;
    while ((line = cursor.next()) && *line != asteriskRow())
        roster.description += (line->size() > 2 ? line->substr(2) : std::string()) + " ";
    if (!line) return failure("The description is not closed by a row of asterisks.");
    for (int skip = 0; skip < 2; ++skip)
        if (!cursor.next()) return failure(kEndsEarly);

    // One "key[i]=value" line per slot and field, then the roster-wide lines; any line the
    // window could not hold fails the whole read.
    std::string problem;
    auto valueLine = [&]() -> const std::string* {
        const std::string* l = cursor.next();
        if (!l) problem = kEndsEarly;
        else if (l->find('=') == std::string::npos) problem = badValue(cursor, *l);
        else return l;
        return nullptr;
    };
    auto readField = [&](const SlotField& field) {
        for (int i = 0; i < kSlotCount; ++i) {
            const std::string* l = valueLine();
            if (!l) return false;
            if (field.kind == FieldKind::Text) {
                (roster.*field.text)[i] = l->substr(l->find('=') + 1);
                continue;
            }
            auto value = decodeNumberLine(field.kind, *l);
            if (!value || !fieldHolds(field.kind, *value)) {
                problem = badValue(cursor, *l);
                return false;
            }
            (roster.*field.number)[i] = static_cast<std::int16_t>(*value);
        }
        return true;
    };
    const auto& fields = slotFields();
    if (!readField(fields[0])) return failure(problem);
    for (bool* flag : {&roster.bAdjustSkill, &roster.bRandomOrder}) {
        const std::string* l = valueLine();
        if (!l) return failure(problem);
        *flag = !l->ends_with("False");
    }
    const std::string* l = valueLine();
    if (!l) return failure(problem);
    auto difficulty = parseInteger(l->substr(l->find('=') + 1));
    if (!difficulty || *difficulty < 0 || *difficulty > 7) return failure(badValue(cursor, *l));
    roster.Difficulty = static_cast<std::int16_t>(*difficulty);
    for (std::size_t f = 1; f < fields.size(); ++f)
        if (!readField(fields[f])) return failure(problem);
    return roster;
}

korvath::Status readRosterFileInto(const std::filesystem::path& file, Roster& roster) {
    std::string problem;
    auto bytes = readRosterFileBytes(file, problem);
    if (!bytes) return korvath::Status::failure(problem);
    RosterParse parsed = parseRosterFile(*bytes);
    if (!parsed) return korvath::Status::failure(parsed.error());
    roster = std::move(*parsed);
    return korvath::Status::success();
}

}  // namespace rosterdesk
