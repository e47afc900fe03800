#pragma once
// Pieces of the lines of package-description files and of the program's small text files.
// Every function takes any text, however malformed, and returns a (possibly empty) result.
#include <string>
#include <string_view>
#include <vector>

namespace rosterdesk {

std::string_view trimTrailingBlanks(std::string_view text);

// Calls fn(line) for every line of `text` without its CR LF or LF.
template <typename Fn>
void forEachLine(std::string_view text, Fn&& fn) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) end = text.size();
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == '\r') --stop;
        fn(text.substr(start, stop - start));
        start = next;
    }
}

// A line read as delimited fields: leading blanks skipped, a field ends at a comma or the end
// of the line, a field in double quotes loses its quotes, trailing blanks are cut.
std::vector<std::string> delimitedFields(std::string_view line);
// The first delimited field of a line (empty for an empty line).
std::string firstDelimitedField(std::string_view line);

std::string_view commaField(std::string_view line, std::size_t index);  // empty when missing
std::string_view lastCommaField(std::string_view line);

// Drops a closing ")" and then the surrounding double quotes.
std::string unwrapValue(std::string_view value);

// Object=(Name=BotPack.TMale1Bot,... gives BotPack.TMale1Bot: the text after the first "="
// from the 8th character on in the first field.
std::string classNameOf(std::string_view line);
// Description="Male Commando") gives Male Commando, found the same way in the last field.
std::string classDescriptionOf(std::string_view line);
// Display name of a skin or face: the last field after its first "=", unwrapped.
std::string displayNameOf(std::string_view line);
// Texture name: the first field after its last "=", quotes removed, without the digit that
// ends a five-character name after the package's "." (CommandoSkins.cmdo1 gives .cmdo).
std::string textureNameOf(std::string_view line);

// Skin type of a model's class: BotPack.TMale1Bot gives tmale1, mapped to commando.
std::string modelSkinType(std::string_view className);
// Skin type of a skin package: CommandoSkins gives Commando, Foo_Skins gives Foo.
std::string packageSkinType(std::string_view package);

bool containsNoCase(std::string_view haystack, std::string_view needle);

}  // namespace rosterdesk
