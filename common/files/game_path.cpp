#include "common/files/game_path.h"

#include <algorithm>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace korvath {

namespace {
char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

#ifdef _WIN32
// The file system ignores case already, so `part` exists in any case; the entry's stored name
// keeps a replaced file's name (a rename to another case would change it).
bool appendStoredName(fs::path& current, const std::string& part) {
    if (part.find_first_of("*?") != std::string::npos) return false;
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW((current / part).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    ::FindClose(search);
    current /= found.cFileName;
    return true;
}
#endif
}  // namespace

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool lessNoCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(lowerAscii(x)) < static_cast<unsigned char>(lowerAscii(y));
    });
}

std::string toLowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = lowerAscii(c);
    return out;
}

std::string toUpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = upperAscii(c);
    return out;
}

std::vector<std::string> splitGamePath(std::string_view relative) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= relative.size()) {
        size_t end = relative.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = relative.size();
        if (end > start) parts.emplace_back(relative.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

fs::path resolveGamePath(const fs::path& base, std::string_view relative) {
    fs::path current = base;
    bool matching = true;  // once a component is missing, nothing below it can exist
    for (const std::string& part : splitGamePath(relative)) {
        if (matching && part != "." && part != "..") {
#ifdef _WIN32
            if (appendStoredName(current, part)) continue;
            matching = false;
#else
            std::error_code ec;
            if (!fs::exists(current / part, ec)) {
                bool found = false;
                for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
                    std::string name = it->path().filename().string();
                    if (equalsNoCase(name, part)) {
                        current /= name;
                        found = true;
                        break;
                    }
                }
                if (found) continue;
                matching = false;
            }
#endif
        }
        current /= part;
    }
    return current;
}

std::vector<fs::path> listFolderSorted(const fs::path& folder) {
    std::vector<fs::path> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        entries.push_back(it->path());
    std::sort(entries.begin(), entries.end(), [](const fs::path& a, const fs::path& b) {
        std::string na = a.filename().string(), nb = b.filename().string();
        if (lessNoCase(na, nb)) return true;
        if (lessNoCase(nb, na)) return false;
        return na < nb;
    });
    return entries;
}

}  // namespace korvath
