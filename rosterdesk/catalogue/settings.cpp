#include "rosterdesk/catalogue/settings.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "common/files/atomic_file.h"
#include "common/files/game_path.h"
#include "common/files/home_folder.h"
#include "common/text/text_lines.h"
#include "rosterdesk/catalogue/int_lines.h"

namespace fs = std::filesystem;

namespace rosterdesk {

namespace {
constexpr char kSeparator = static_cast<char>(fs::path::preferred_separator);

bool endsInSeparator(const std::string& folder) {
    return !folder.empty() && (folder.back() == kSeparator || folder.back() == '/');
}

// On Windows "/" and "\" both separate folders, so "C:/ka/" and "C:/ka\" name one folder.
bool sameFolderText(std::string a, std::string b) {
    if (kSeparator != '/') {
        std::replace(a.begin(), a.end(), '/', kSeparator);
        std::replace(b.begin(), b.end(), '/', kSeparator);
    }
    return a == b;
}

// Readers end a field at a comma and skip leading blanks unless the field is quoted.
std::string quotedIfNeeded(const std::string& value) {
    // A quote inside cannot be escaped in this format, so such a value is written as it is.
    bool needsQuotes = value.find(',') != std::string::npos || (!value.empty() && value.front() == ' ');
    if (!needsQuotes || value.find('"') != std::string::npos) return value;
    return "\"" + value + "\"";
}
}  // namespace

std::string withTrailingSeparator(std::string folder) {
    if (!endsInSeparator(folder)) folder += kSeparator;
    return folder;
}

OptionsReadResult parseOptions(std::string_view text, Settings& settings) {
    OptionsReadResult result{true, {}};
    std::vector<std::string> lines = korvath::splitLines(text);
    auto field = [&](std::size_t index) { return firstDelimitedField(lines[index]); };
    settings.FirstRun = false;
    // Lines 1, 3 and 4 are not checked; a short file keeps the values read so far.
    if (lines.size() >= 2) {
        std::string value = field(1);
        int number = 0;
        auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
        if (ec == std::errc() && end == value.data() + value.size() && number >= INT16_MIN && number <= INT16_MAX) {
            settings.AutoClose = static_cast<std::int16_t>(number);
        } else {
            settings.AutoClose = 0;
            result.warning = "The AutoClose value \"" + value + "\" in options.ini is not a number; 0 is used.";
        }
    }
    if (lines.size() >= 5 && field(4) == "1") {
        settings.FirstRun = true;
    } else {
        if (lines.size() >= 6) settings.ConfigPath = field(5);
        if (lines.size() >= 7) settings.KAPath = field(6);
    }
    settings.ConfigPath = withTrailingSeparator(settings.ConfigPath);
    if (!settings.KAPath.empty()) settings.KAPath = withTrailingSeparator(settings.KAPath);
    return result;
}

OptionsReadResult readOptions(const fs::path& home, Settings& settings) {
    settings.StartupStep = "options";
    std::optional<std::string> text = korvath::readFileBytes(korvath::resolveGamePath(home, "options.ini"));
    OptionsReadResult result;
    if (text) {
        result = parseOptions(*text, settings);
    } else {
        settings.FirstRun = true;
    }
    settings.StartupStep.clear();
    return result;
}

std::string formatOptions(const Settings& settings) {
    return korvath::joinCrLf({"[SplashScreen]", std::to_string(settings.AutoClose), "", "[KAPath]", "0",
                              quotedIfNeeded(settings.ConfigPath), quotedIfNeeded(settings.KAPath)});
}

korvath::Status writeOptions(const fs::path& home, const Settings& settings) {
    fs::path target = korvath::resolveGamePath(home, "options.ini");
    korvath::Status status = korvath::writeFileAtomically(target, formatOptions(settings));
    if (!status) return korvath::Status::failure("The settings could not be written to " + target.string() + ".");
    return status;
}

bool isValidGameFolder(const std::string& folder) {
    if (folder.empty()) return false;
    std::error_code ec;
    return fs::is_regular_file(korvath::resolveGamePath(folder, "System\\user.ini"), ec);
}

bool needsFolderSetup(const Settings& settings) {
    return settings.FirstRun || !isValidGameFolder(settings.KAPath);
}

std::string invalidGameFolderText(const std::string& folder) {
    return folder + " is not a valid KA path.\r\n\r\nPlease choose again.";
}

bool confirmGameFolder(korvath::Interaction& ui, const std::string& folder) {
    if (isValidGameFolder(folder)) return true;
    ui.message({"Invalid KA Path", invalidGameFolderText(folder), korvath::Buttons::Ok, korvath::Icon::None});
    return false;
}

bool changeGameFolder(korvath::Interaction& ui, Settings& settings, const std::string& chosen) {
    std::string folder = chosen.empty() ? chosen : withTrailingSeparator(chosen);
    if (sameFolderText(folder, settings.KAPath)) return false;
    settings.KAPath = folder;
    ui.message({"Restart Rosterdesk", "Rosterdesk must be restarted for changes to take affect.",
                korvath::Buttons::Ok, korvath::Icon::None});
    settings.RestartPending = true;
    return true;
}

namespace {
std::string installedGameFolder() {
#ifdef _WIN32
    return "C:\\KorvathArena\\";
#else
    return withTrailingSeparator((korvath::userHomeFolder() / "KorvathArena").string());
#endif
}
}  // namespace

std::string defaultGameFolder() {
    // KORVATH_ARENA_DIR names the installation for every tool (tests and the demo use it).
    if (const char* dir = std::getenv("KORVATH_ARENA_DIR"); dir && *dir) return withTrailingSeparator(dir);
    return installedGameFolder();
}

std::string initialGameFolderChoice() {
    std::string folder = defaultGameFolder();
    return isValidGameFolder(folder) ? folder : std::string();
}

std::string defaultConfigFolder() {
    return withTrailingSeparator(installedGameFolder() + "Configs");
}

std::string rememberNoteText() {
    return "To change the path later simply go to\r\n"
           "the 'File' menu and choose Options.\n"
           "Then choose the Paths tab and\r\n"
           "the KA Path radio button.\r\n"
           "Finally click the 'Change' button.";
}

}  // namespace rosterdesk
