#include "rosterdesk/roster/roster_body.h"

#include <algorithm>
#include <system_error>

#include "common/text/text_lines.h"

namespace fs = std::filesystem;

namespace rosterdesk {

namespace {

bool isKeyCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
}

bool isControlByte(char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

std::string count(std::size_t n, std::string_view thing) {
    return std::to_string(n) + " " + std::string(thing) + (n == 1 ? "" : "s");
}

}  // namespace

bool isKeyLine(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && isKeyCharacter(line[i])) ++i;
    if (i == 0) return false;
    if (i < line.size() && line[i] == '[') {
        std::size_t digits = ++i;
        while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
        if (i == digits || i == line.size() || line[i] != ']') return false;
        ++i;
    }
    return i < line.size() && line[i] == '=';
}

korvath::Result<RosterBody> rosterBody(const std::vector<std::string>& lines, std::size_t first,
                                       const std::string& name) {
    RosterBody body;
    std::size_t end = first;
    std::size_t skipped = 0;
    for (; end < lines.size() && !lines[end].starts_with('['); ++end) {
        const std::string& line = lines[end];
        if (std::any_of(line.begin(), line.end(), isControlByte))
            return korvath::Result<RosterBody>::failure(name + " holds a control character on line " +
                                                        std::to_string(end + 1) + "; it is no roster file.");
        if (isKeyLine(line))
            body.keyLines.push_back(line);
        else if (!line.empty())
            ++skipped;
    }
    if (skipped > 0) body.warning = name + ": " + count(skipped, "line") + " without a key left out.";
    if (end < lines.size()) {
        if (!body.warning.empty()) body.warning += "\r\n";
        body.warning += name + ": the roster ends at line " + std::to_string(end + 1) + ", which opens a section; " +
                        count(lines.size() - end, "line") + " from there on left out.";
    }
    return body;
}

std::optional<std::string> readRosterFileBytes(const fs::path& file, std::string& problem) {
    const std::string name = file.filename().string();
    std::error_code ec;
    std::uintmax_t size = fs::file_size(file, ec);
    if (!ec && size > kMaxRosterFileBytes) {
        problem = name + " is larger than 16 MiB (" + std::to_string(size) + " bytes); it is no roster file.";
        return std::nullopt;
    }
    auto bytes = korvath::readFileBytes(file);
    if (!bytes) problem = "Can't read " + name + ".";
    // Grown between the size check and the read: refuse it the same way.
    else if (bytes->size() > kMaxRosterFileBytes) {
        problem = name + " is larger than 16 MiB; it is no roster file.";
        bytes.reset();
    }
    return bytes;
}

}  // namespace rosterdesk
