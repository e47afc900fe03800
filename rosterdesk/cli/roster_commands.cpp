#include "rosterdesk/cli/roster_commands.h"

#include <filesystem>
#include <string>

#include "common/files/atomic_file.h"
#include "common/text/text_lines.h"
#include "rosterdesk/cli/roster_table.h"
#include "rosterdesk/roster/apply.h"
#include "rosterdesk/roster/capture.h"
#include "rosterdesk/roster/restore.h"
#include "rosterdesk/roster/roster_file.h"

namespace fs = std::filesystem;

namespace rosterdesk {

namespace {

// Takes the positionals and checks their count; prints the usage line otherwise.
bool takePositionals(korvath::ArgList& args, std::size_t count, std::vector<std::string>& out,
                     const char* usage, std::ostream& err) {
    out = args.positionals();
    if (!args.ok()) {
        err << "rosterdesk-cli: " << args.error() << "\nusage: " << usage << "\n";
        return false;
    }
    if (out.size() != count) {
        err << "usage: " << usage << "\n";
        return false;
    }
    return true;
}

int writeRoster(const Roster& roster, const fs::path& file, std::ostream& err) {
    korvath::Status written = korvath::writeFileAtomically(file, formatRosterFile(roster, file.filename().string()));
    if (!written) {
        err << "rosterdesk-cli: " << written.error() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int runNewCommand(korvath::ArgList& args, std::ostream&, std::ostream& err) {
    const char* usage = "rosterdesk-cli new OUT.bm [--description TEXT]";
    auto description = args.option("--description");
    std::vector<std::string> files;
    if (!takePositionals(args, 1, files, usage, err)) return 2;
    Roster roster = defaultRoster();
    roster.description = description.value_or("");
    return writeRoster(roster, files[0], err);
}

int runApplyCommand(korvath::ArgList& args, std::ostream& out, std::ostream& err) {
    const char* usage = "rosterdesk-cli apply ROSTER.bm GAME_DIR [--no-backup]";
    bool noBackup = args.flag("--no-backup");
    std::vector<std::string> names;
    if (!takePositionals(args, 2, names, usage, err)) return 2;
    fs::path rosterFile = names[0];
    ApplyRequest request;
    request.configPath = rosterFile.parent_path().empty() ? fs::path(".") : rosterFile.parent_path();
    request.entry = rosterFile.filename().string();
    request.kaPath = names[1];
    request.backup = !noBackup;
    ApplyResult result = applyRoster(request);
    if (!result) {
        err << result.error().text << "\n";
        return 1;
    }
    out << result->message.text << "\n";
    return 0;
}

int runRestoreCommand(korvath::ArgList& args, std::ostream& out, std::ostream& err) {
    const char* usage = "rosterdesk-cli restore BACKUP.bm2 GAME_DIR [--no-backup]";
    bool noBackup = args.flag("--no-backup");
    std::vector<std::string> names;
    if (!takePositionals(args, 2, names, usage, err)) return 2;
    RestoreRequest request;
    request.backupFile = names[0];
    request.kaPath = names[1];
    request.backup = !noBackup;
    ApplyResult result = restoreBackup(request);
    if (!result) {
        err << result.error().text << "\n";
        return 1;
    }
    if (!result->backupFile.empty()) out << "Replaced section kept in " << result->backupFile.string() << "\n";
    out << result->message.text << "\n";
    return 0;
}

int runCaptureCommand(korvath::ArgList& args, std::ostream& out, std::ostream& err) {
    const char* usage = "rosterdesk-cli capture GAME_DIR OUT.bm [--description TEXT]";
    auto description = args.option("--description");
    std::vector<std::string> names;
    if (!takePositionals(args, 2, names, usage, err)) return 2;
    CaptureResult captured = captureRosterFromGame(names[0]);
    if (!captured.ok()) {
        err << captured.error() << "\n";
        return 1;
    }
    for (const std::string& correction : captured->corrections) out << correction << "\n";
    captured->roster.description = description.value_or("");
    return writeRoster(captured->roster, names[1], err);
}

int runShowCommand(korvath::ArgList& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> names;
    if (!takePositionals(args, 1, names, "rosterdesk-cli show ROSTER.bm", err)) return 2;
    auto bytes = korvath::readFileBytes(names[0]);
    if (!bytes) {
        err << "Can't read " << names[0] << ".\n";
        return 1;
    }
    RosterParse parsed = parseRosterFile(*bytes);
    if (!parsed) {
        err << names[0] << ": " << parsed.error() << "\n";
        return 1;
    }
    out << formatRosterTable(*parsed);
    return 0;
}

}  // namespace rosterdesk
