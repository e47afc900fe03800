#include "common/files/game_path.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace korvath {

namespace {
char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
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
