#include "exporter/convert/frame_choice.h"

#include "export_rules.h"

#include <cctype>

namespace korvath::convert {

namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

void skipBlanks(std::string_view text, std::size_t& at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
}

bool readNumber(std::string_view text, std::size_t& at) {
    skipBlanks(text, at);
    const std::size_t first = at;
    while (at < text.size() && isDigit(text[at])) ++at;
    skipBlanks(text, at);
    return at > first;
}

}  // namespace

bool isFrameRangeText(std::string_view text) {
    std::size_t at = 0;
    for (;;) {
        if (!readNumber(text, at)) return false;
        if (at < text.size() && text[at] == '-' && !readNumber(text, ++at)) return false;
        if (at == text.size()) return true;
        if (text[at] != ',') return false;
        ++at;
    }
}

std::string framesText(int count) { return std::to_string(count) + (count == 1 ? " frame" : " frames"); }

FrameChoice chooseFrames(const std::optional<std::string>& text, int start, int end) {
    FrameChoice choice;
    if (!text || text->empty()) {
        choice.frames = korvathexp::FrameListFromText(nullptr, start, end);
        return choice;
    }
    const std::string range = "the scene's frames are " + std::to_string(start) + " to " + std::to_string(end);
    if (text->size() > std::size_t(korvathexp::kFrameRangeTextLimit)) {
        choice.error = "--frames takes at most " + std::to_string(korvathexp::kFrameRangeTextLimit) +
                       " characters, as the exporter's box does; " + range;
        return choice;
    }
    if (!isFrameRangeText(*text)) {
        choice.error = "--frames \"" + *text + "\" is not a frame range such as 1-5,10,15; " + range;
        return choice;
    }
    choice.frames = korvathexp::FrameListFromText(text->c_str(), start, end);
    if (choice.frames.empty())
        choice.error = "--frames \"" + *text + "\" chooses no frame of the scene; " + range;
    return choice;
}

}  // namespace korvath::convert
