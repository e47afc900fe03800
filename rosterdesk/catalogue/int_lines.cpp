#include "rosterdesk/catalogue/int_lines.h"

#include <array>
#include <utility>

#include "common/files/game_path.h"

namespace rosterdesk {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The text after the first "=" at or after `from`; the whole text when there is none.
std::string_view afterEquals(std::string_view text, std::size_t from) {
    if (from >= text.size()) return text;
    std::size_t eq = text.find('=', from);
    return eq == std::string_view::npos ? text : text.substr(eq + 1);
}
}  // namespace

std::string_view trimTrailingBlanks(std::string_view text) {
    std::size_t n = text.size();
    while (n > 0 && isBlank(text[n - 1])) --n;
    return text.substr(0, n);
}

std::vector<std::string> delimitedFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && isBlank(line[pos])) ++pos;
        std::string field;
        if (pos < line.size() && line[pos] == '"') {
            std::size_t close = line.find('"', pos + 1);
            if (close == std::string_view::npos) close = line.size();
            field = std::string(line.substr(pos + 1, close - pos - 1));
            pos = close < line.size() ? close + 1 : close;
            std::size_t comma = line.find(',', pos);  // anything after the quotes is dropped
            pos = comma == std::string_view::npos ? line.size() : comma;
        } else {
            std::size_t comma = line.find(',', pos);
            if (comma == std::string_view::npos) comma = line.size();
            field = std::string(trimTrailingBlanks(line.substr(pos, comma - pos)));
            pos = comma;
        }
        fields.push_back(std::move(field));
        if (pos >= line.size()) break;
        ++pos;  // past the comma
    }
    return fields;
}

std::string firstDelimitedField(std::string_view line) {
    if (line.empty()) return {};
    return delimitedFields(line).front();
}

std::string_view commaField(std::string_view line, std::size_t index) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) {
        std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) return {};
        start = comma + 1;
    }
    std::size_t end = line.find(',', start);
    return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::string_view lastCommaField(std::string_view line) {
    std::size_t comma = line.rfind(',');
    return comma == std::string_view::npos ? line : line.substr(comma + 1);
}

std::string unwrapValue(std::string_view value) {
    value = trimTrailingBlanks(value);
    if (!value.empty() && value.back() == ')') value.remove_suffix(1);
    if (!value.empty() && value.front() == '"') value.remove_prefix(1);
    if (!value.empty() && value.back() == '"') value.remove_suffix(1);
    return std::string(value);
}

std::string classNameOf(std::string_view line) {
    return unwrapValue(afterEquals(commaField(line, 0), 7));
}

std::string classDescriptionOf(std::string_view line) {
    return unwrapValue(afterEquals(lastCommaField(line), 7));
}

std::string displayNameOf(std::string_view line) {
    return unwrapValue(afterEquals(lastCommaField(line), 0));
}

std::string textureNameOf(std::string_view line) {
    std::string_view first = commaField(line, 0);
    std::size_t eq = first.rfind('=');
    std::string name = unwrapValue(eq == std::string_view::npos ? first : first.substr(eq + 1));
    std::size_t dot = name.find('.');
    if (dot != std::string::npos && name.size() - dot - 1 == 5 && name.back() >= '1' && name.back() <= '9')
        name.pop_back();
    return name;
}

std::string modelSkinType(std::string_view className) {
    std::size_t dot = className.find('.');
    std::string part = korvath::toLowerAscii(dot == std::string_view::npos ? className : className.substr(dot + 1));
    std::size_t bot = part.find("bot");
    if (bot != std::string::npos) part.erase(bot);
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kTable{{
        {"tmale1", "commando"},
        {"tmale2", "soldier"},
        {"tfemale1", "fcommando"},
        {"tfemale2", "sgirl"},
        {"tboss", "boss"},
        {"tskaarj", "tskm"},
        {"tnali", "tnalimesh"},
        {"tcow", "tcowmesh"},
    }};
    for (const auto& [from, to] : kTable)
        if (part == from) return std::string(to);
    return part;
}

std::string packageSkinType(std::string_view package) {
    std::string type(package.substr(0, package.find('.')));
    std::size_t underscore = type.find('_');
    if (underscore != std::string::npos) type.erase(underscore);
    std::size_t skin = korvath::toLowerAscii(type).find("skin");
    if (skin != std::string::npos) type.erase(skin);
    return type;
}

bool containsNoCase(std::string_view haystack, std::string_view needle) {
    return korvath::toLowerAscii(haystack).find(korvath::toLowerAscii(needle)) != std::string::npos;
}

}  // namespace rosterdesk
