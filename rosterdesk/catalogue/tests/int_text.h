#pragma once
// Description-file lines for tests, written the way the game writes them.
#include <initializer_list>
#include <string>

namespace rosterdesk::testing {

inline std::string crlf(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

inline std::string botLine(const std::string& className, const std::string& description) {
    return "Object=(Name=" + className + ",Class=Class,MetaClass=BotPack.Bot,Description=\"" + description + "\")";
}

inline std::string textureLine(const std::string& texture, const std::string& description) {
    return "Object=(Name=" + texture + ",Class=Texture,Description=\"" + description + "\")";
}

inline std::string voiceLine(const std::string& className, const std::string& meta, const std::string& description) {
    return "Object=(Name=" + className + ",Class=Class,MetaClass=BotPack." + meta + ",Description=\"" + description +
           "\")";
}

}  // namespace rosterdesk::testing
