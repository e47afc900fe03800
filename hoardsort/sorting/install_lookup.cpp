#include "hoardsort/sorting/install_lookup.h"

#include <cstdlib>

#include "common/files/game_path.h"
#include "common/files/home_folder.h"
#include "common/text/text_lines.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#endif

namespace fs = std::filesystem;

namespace hoardsort {

namespace {

void appendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads a Wine-escaped text from text[pos] up to the unescaped `end`; pos is left after `end`.
// nullopt when `end` never comes.
std::optional<std::string> unescape(std::string_view text, size_t& pos, char end) {
    static constexpr std::string_view kLetters = "abefnrtv";
    static constexpr std::string_view kCodes = "\a\b\x1b\f\n\r\t\v";
    std::string out;
    while (pos < text.size()) {
        char c = text[pos++];
        if (c == end) return out;
        if (c != '\\' || pos >= text.size()) {
            out += c;
            continue;
        }
        char e = text[pos++];
        if (size_t letter = kLetters.find(e); letter != std::string_view::npos) {
            out += kCodes[letter];
        } else if (e == 'x') {
            unsigned code = 0;
            for (int n = 0; n < 4 && pos < text.size() && hexDigit(text[pos]) >= 0; ++n)
                code = code * 16 + static_cast<unsigned>(hexDigit(text[pos++]));
            appendUtf8(out, code);
        } else if (e >= '0' && e <= '7') {
            unsigned code = static_cast<unsigned>(e - '0');
            for (int n = 1; n < 3 && pos < text.size() && text[pos] >= '0' && text[pos] <= '7'; ++n)
                code = code * 8 + static_cast<unsigned>(text[pos++] - '0');
            appendUtf8(out, code);
        } else {
            out += e;
        }
    }
    return std::nullopt;
}

std::string_view trimStart(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    return line;
}

}  // namespace

std::optional<std::string> readWineRegistryString(std::string_view regText, std::string_view keyName,
                                                  std::string_view valueName) {
    bool inKey = false;
    for (const std::string& rawLine : korvath::splitLines(regText)) {
        std::string_view line = trimStart(rawLine);
        size_t pos = 1;
        if (!line.empty() && line.front() == '[') {
            auto name = unescape(line, pos, ']');
            inKey = name && korvath::equalsNoCase(*name, keyName);
            continue;
        }
        if (!inKey || line.empty()) continue;
        std::optional<std::string> name;
        if (line.front() == '"') {
            name = unescape(line, pos, '"');
        } else if (line.front() == '@') {
            name = std::string();  // the key's default value
        }
        if (!name || !korvath::equalsNoCase(*name, valueName)) continue;
        line = trimStart(line.substr(pos));
        if (line.empty() || line.front() != '=') return std::nullopt;
        line = trimStart(line.substr(1));
        // Only a plain string ("..."); str(2):, dword:, hex: and the rest are other types.
        if (line.empty() || line.front() != '"') return std::nullopt;
        pos = 1;
        auto value = unescape(line, pos, '"');
        if (!value) return std::nullopt;
        return value->substr(0, value->find('\0'));
    }
    return std::nullopt;
}

std::optional<fs::path> mapWinePath(const fs::path& prefix, std::string_view windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':') return std::nullopt;
    char letter = korvath::toLowerAscii(windowsPath.substr(0, 1))[0];
    if (letter < 'a' || letter > 'z') return std::nullopt;
    std::string drive = std::string(1, letter) + ":";
    fs::path root = prefix / "dosdevices" / drive;
    std::error_code ec;
    if (!fs::exists(root, ec) && letter == 'c') root = prefix / "drive_c";
    return korvath::resolveGamePath(root, windowsPath.substr(2));
}

#ifdef _WIN32
std::string readRegistryString(const std::string& subKey, const std::string& valueName, unsigned long view) {
    HKEY key = nullptr;
    std::string result;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) return result;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ) {
        std::string buffer(size, ' ');
        if (RegQueryValueExA(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
            ERROR_SUCCESS) {
            buffer.resize(std::min<size_t>(size, buffer.size()));
            result = buffer.substr(0, buffer.find('\0'));
        }
    }
    RegCloseKey(key);
    return result;
}
#endif

std::string findInstallFolder(const std::function<const char*(const char*)>& environment) {
    auto getenv = [&](const char* name) -> const char* {
        return environment ? environment(name) : std::getenv(name);
    };
    if (const char* dir = getenv("KORVATH_ARENA_DIR"); dir && *dir) return dir;
#ifdef _WIN32
    std::string folder = readRegistryString(std::string(kInstallKey), std::string(kInstallValue));
    // A 32-bit installer on 64-bit Windows wrote to the 32-bit view (Wow6432Node); 32-bit
    // Windows ignores the flag.
    if (folder.empty()) folder = readRegistryString(std::string(kInstallKey), std::string(kInstallValue), KEY_WOW64_32KEY);
    return folder;
#else
    fs::path prefix;
    if (const char* wine = getenv("WINEPREFIX"); wine && *wine)
        prefix = wine;
    else if (const char* home = getenv("HOME"); home && *home)
        prefix = fs::path(home) / ".wine";
    else
        return {};
    auto text = korvath::readFileBytes(prefix / "system.reg");
    if (!text) return {};
    // A 64-bit prefix keeps a 32-bit installer's keys below Wow6432Node.
    std::string redirected = "Software\\Wow6432Node" + std::string(kInstallKey.substr(8));
    auto value = readWineRegistryString(*text, kInstallKey, kInstallValue);
    if (!value) value = readWineRegistryString(*text, redirected, kInstallValue);
    if (!value) return {};
    auto mapped = mapWinePath(prefix, *value);
    return mapped ? mapped->string() : std::string();
#endif
}

}  // namespace hoardsort
