#include "exporter/convert/frame_choice.h"

#include "exporter/plugin/export_rules.h"

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

korvath::Result<std::vector<int>> chooseFrames(const std::optional<std::string>& text, int start, int end) {
    using Choice = korvath::Result<std::vector<int>>;
    if (!text || text->empty()) return korvathexp::FrameListFromText(nullptr, start, end);
    const std::string range = "the scene's frames are " + std::to_string(start) + " to " + std::to_string(end);
    if (text->size() > std::size_t(korvathexp::kFrameRangeTextLimit))
        return Choice::failure("--frames takes at most " + std::to_string(korvathexp::kFrameRangeTextLimit) +
                               " characters, as the exporter's box does; " + range);
    if (!isFrameRangeText(*text))
        return Choice::failure("--frames \"" + *text + "\" is not a frame range such as 1-5,10,15; " + range);
    std::vector<int> frames = korvathexp::FrameListFromText(text->c_str(), start, end);
    if (frames.empty()) return Choice::failure("--frames \"" + *text + "\" chooses no frame of the scene; " + range);
    return frames;
}

}  // namespace korvath::convert
