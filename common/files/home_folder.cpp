#include "common/files/home_folder.h"

#include <cstdlib>

#include "common/files/game_path.h"
#include "korvath_config.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace korvath {

namespace {

bool isWritableFolder(const fs::path& folder) {
#ifndef _WIN32
    return ::access(folder.c_str(), W_OK) == 0;
#else
    std::error_code ec;
    return fs::is_directory(folder, ec);
#endif
}

fs::path perUserConfigFolder(std::string_view appName) {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return fs::path(xdg) / appName;
    return userHomeFolder() / ".config" / appName;
}

void seedShippedFiles(const fs::path& home, const fs::path& exeDir, std::string_view appName,
                      const std::vector<std::string>& shippedFiles) {
    for (const std::string& name : shippedFiles) {
        std::error_code ec;
        if (fs::exists(resolveGamePath(home, name), ec)) continue;
        auto source = findShippedFile(exeDir, appName, name);
        if (!source) continue;
        fs::create_directories((home / name).parent_path(), ec);
        fs::copy_file(*source, home / name, ec);
    }
}

bool isInstalledProgram(const fs::path& exeDir, std::string_view appName) {
    std::error_code ec;
    return fs::is_directory(installedDataFolder(exeDir, appName), ec);
}

}  // namespace

fs::path userHomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home);
#ifdef _WIN32
    if (const char* profile = std::getenv("USERPROFILE"); profile && *profile) return fs::path(profile);
#endif
    std::error_code ec;
    return fs::current_path(ec);
}

fs::path resolveHomeFolder(const std::optional<fs::path>& explicitHome, const fs::path& exeDir,
                           std::string_view appName, const std::vector<std::string>& shippedFiles) {
    fs::path home;
    if (explicitHome)
        home = *explicitHome;
    else if (!isInstalledProgram(exeDir, appName) && isWritableFolder(exeDir))
        home = exeDir;
    else
        home = perUserConfigFolder(appName);
    std::error_code ec;
    fs::create_directories(home, ec);
    if (home != exeDir) seedShippedFiles(home, exeDir, appName, shippedFiles);
    return home;
}

fs::path installedDataFolder(const fs::path& exeDir, std::string_view appName) {
    return (exeDir / KORVATH_DATA_FROM_BIN / appName).lexically_normal();
}

fs::path installedPluginFolder(const fs::path& exeDir) {
    return (exeDir / KORVATH_PLUGIN_FROM_BIN).lexically_normal();
}

std::optional<fs::path> findShippedFile(const fs::path& exeDir, std::string_view appName, std::string_view name) {
    for (const fs::path& folder : {exeDir, installedDataFolder(exeDir, appName)}) {
        fs::path file = resolveGamePath(folder, name);
        std::error_code ec;
        if (fs::is_regular_file(file, ec)) return file;
    }
    return std::nullopt;
}

}  // namespace korvath
