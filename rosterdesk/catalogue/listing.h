#pragma once
// Listing of the game's package-description files (System\*.int) into the three file lists
// the analysers work through: class files, skin files, voice files.
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace rosterdesk {

// Progress of a scan: `status` gets the splash window's message, `step` is one progress step.
struct ScanObserver {
    std::function<void(const std::string&)> status;
    std::function<void()> step;
    void say(const std::string& text) const { if (status) status(text); }
    void tick() const { if (step) step(); }
};

// The description files the scanner must skip (int.ini), compared on the bare file name
// without regard to case.
class SkipList {
public:
    SkipList() = default;
    // int.ini's text: names as delimited fields, one a line, a comma also separating them.
    static SkipList parse(std::string_view text);
    // nullopt when the file cannot be read.
    static std::optional<SkipList> read(const std::filesystem::path& file);
    bool skips(std::string_view fileName) const;
    std::size_t size() const { return names_.size(); }

private:
    std::set<std::string> names_;  // lower case
};

// Each list keeps trailing free slots (empty paths) and grows by ten.
struct FileLists {
    std::vector<std::string> classFiles = std::vector<std::string>(2);
    std::vector<std::string> skinFiles = std::vector<std::string>(2);
    std::vector<std::string> voiceFiles = std::vector<std::string>(2);
};

// Which lists a description file belongs in, from its text (its first line is ignored).
struct FileKinds {
    bool isClass = false;
    bool isVoice = false;
    bool isSkin = false;
};
FileKinds classifyDescriptionText(std::string_view text);
// The same for text already in lower case.
FileKinds classifyLoweredText(std::string_view lowered);

// A file read while listing, as written and in lower case, so the analysers need not read
// or lower it again.
struct DescriptionText {
    std::string text;
    std::string lowered;
};
using DescriptionTexts = std::map<std::string, DescriptionText>;

// The System folder of a game folder (any letter case).
std::filesystem::path systemFolderOf(const std::filesystem::path& gameDir);

// Lists every *.int file of the game's System folder, sorted by name without regard to case,
// into the lists it belongs in. Files that cannot be read are left out. When `texts` is given,
// the text of every listed file is kept there.
FileLists listDescriptionFiles(const std::filesystem::path& gameDir, const SkipList& skip,
                               const ScanObserver& observer, DescriptionTexts* texts = nullptr);

// The used entries of a file list, in order.
std::vector<std::string> usedEntries(const std::vector<std::string>& list);

}  // namespace rosterdesk
