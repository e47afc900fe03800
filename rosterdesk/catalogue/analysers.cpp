#include "rosterdesk/catalogue/analysers.h"

#include "common/files/game_path.h"
#include "common/text/text_lines.h"
#include "rosterdesk/catalogue/int_lines.h"
#include "rosterdesk/catalogue/slots.h"

namespace fs = std::filesystem;

namespace rosterdesk {

namespace {
constexpr const char* kClassMessage = "Unknown Error in modParseInt:";
constexpr const char* kSkinMessage = "Unknown Error in modParseInt in Sub ParseSkin:";
constexpr const char* kVoiceMessage = "Unknown Error in modParseInt in Sub ParseVoice:";
constexpr const char* kSkinSlotMessage = "ERROR IN GetBlankSkinPosition";

// The numbers and descriptions the error dialog and its log file show.
constexpr int kFileNotFound = 53;
constexpr int kOverflow = 6;
constexpr int kInvalidCall = 5;

void fail(AnalysisContext& context, const char* message, const char* stage, int number, std::string description,
          const std::string& file) {
    if (context.failures)
        context.failures->push_back({message, stage, number, std::move(description), file});
}

void tick(const AnalysisContext& context) {
    if (context.observer) context.observer->tick();
}

// A kept line as written and in lower case.
struct Line {
    std::string_view text;
    std::string_view lowered;
};

// The line array of a file: the lines that are not comments and pass `keep` (given the
// lower-cased line), trailing blanks cut, in file order. `lowered` is the text in lower case,
// or empty to have it made in `storage`; the views point into the texts, which must outlive them.
template <typename Keep>
std::vector<Line> readLineArray(AnalysisContext& context, const char* message, const std::string& path,
                                std::string_view text, std::string_view lowered, std::string& storage, Keep keep) {
    std::vector<Line> lines;
    if (lowered.size() != text.size()) {
        storage = korvath::toLowerAscii(text);
        lowered = storage;
    }
    std::string_view loweredText = lowered;
    bool full = false;
    forEachLine(text, [&](std::string_view line) {
        if (line.empty() || line[0] == ';' || full) return;
        line = trimTrailingBlanks(line);
        std::string_view loweredLine = loweredText.substr(line.data() - text.data(), line.size());
        if (!keep(loweredLine)) return;
        if (lines.size() >= kMaxSlots) {
            full = true;
            fail(context, message, "READ THE FILE INTO FILEARRAY", kOverflow,
                 "Overflow: only the first 32767 lines are used", path);
            return;
        }
        lines.push_back({line, loweredLine});
    });
    return lines;
}

bool has(std::string_view lowered, std::string_view what) { return lowered.find(what) != std::string_view::npos; }

bool isVoiceClassLine(std::string_view lowered) {
    return has(lowered, "botpack.voicemale") || has(lowered, "botpack.voicefemale") || has(lowered, "botpack.voiceboss");
}

std::string fileNameOf(const std::string& path) { return fs::path(path).filename().string(); }

std::optional<std::string> readForAnalysis(AnalysisContext& context, const char* message, const std::string& path) {
    std::optional<std::string> text = korvath::readFileBytes(path);
    if (!text) fail(context, message, "READ THE FILE INTO FILEARRAY", kFileNotFound, "File not found", path);
    return text;
}
}  // namespace

void analyseClassText(AnalysisContext& context, const std::string& path, std::string_view text,
                      std::string_view lowered) {
    std::string storage;
    auto lines = readLineArray(context, kClassMessage, path, text, lowered, storage, [](std::string_view lowered) {
        return has(lowered, "botpack.bot") || isVoiceClassLine(lowered);
    });
    std::string fileName = fileNameOf(path);
    bool addOn = korvath::equalsNoCase(fileName, "skeletalcharsfix313.int") ||
                 korvath::equalsNoCase(fileName, "skeletalchars.int");
    const char* extractStage = addOn ? "EXTRACT CLASS INFORMATION - New Boss Skins"
                                     : "EXTRACT CLASS INFORMATION - Other Than New Boss Skins";
    for (const auto& [line, loweredLine] : lines) {
        if (!has(loweredLine, "botpack.bot")) continue;
        std::string className = classNameOf(line);
        if (className.empty()) {
            fail(context, kClassMessage, extractStage, kInvalidCall,
                 "No class name in the line: " + std::string(line), path);
            continue;
        }
        ModelCatalogue& models = context.catalogue.models;
        std::optional<std::size_t> slot = appendSlot(models, [](const ModelEntry& m) { return m.isFree(); });
        if (!slot) {
            fail(context, kClassMessage, "FIND FIRST AVAILABLE EMPTY SLOT IN MISCLASS", kOverflow,
                 "Overflow: no room for another model", path);
            return;
        }
        ModelEntry& model = models[*slot];
        model.className = className;
        model.description = classDescriptionOf(line);
        std::optional<std::string> bossType = addOn ? bossClassSkinType(className) : std::nullopt;
        model.skinType = bossType ? *bossType : modelSkinType(className);
    }
}

std::string skinFileType(std::string_view firstSkinLine) {
    std::string texture = textureNameOf(firstSkinLine);
    return bossPackageSkinType(packageSkinType(texture));
}

namespace {
// Adds the skins and faces of a skin file's lines to `model`. A line starts a skin; the lines
// after it that contain the skin's name and name a longer texture are its faces; the first
// line without the skin's name starts the next skin.
void addSkinsToModel(AnalysisContext& context, const std::string& path, const std::vector<Line>& lines,
                     ModelEntry& model) {
    std::size_t i = 0;
    while (i < lines.size()) {
        std::optional<std::size_t> slot = appendSlot(model.skins, [](const SkinEntry& s) { return s.isFree(); });
        if (!slot) {
            fail(context, kSkinSlotMessage, "LOCATE SKIN POSITION IN MISCCLASSES", kOverflow,
                 "Overflow: no room for another skin", path);
            return;
        }
        SkinEntry& skin = model.skins[*slot];
        skin.name = textureNameOf(lines[i].text);
        skin.description = displayNameOf(lines[i].text);
        if (skin.name.empty()) {
            fail(context, kSkinMessage, "RETRIEVE SKIN AND FACES", kInvalidCall,
                 "No texture name in the line: " + std::string(lines[i].text), path);
            skin = SkinEntry{};
            ++i;
            continue;
        }
        std::string loweredName = korvath::toLowerAscii(skin.name);
        ++i;
        for (; i < lines.size() && has(lines[i].lowered, loweredName); ++i) {
            std::string faceName = textureNameOf(lines[i].text);
            if (faceName.size() <= skin.name.size()) continue;
            std::optional<std::size_t> face = appendSlot(skin.faces, [](const FaceEntry& f) { return f.isFree(); });
            if (!face) {
                fail(context, kSkinMessage, "RETRIEVE SKIN AND FACES", kOverflow, "Overflow: no room for another face",
                     path);
                continue;
            }
            skin.faces[*face] = {faceName, displayNameOf(lines[i].text)};
        }
    }
}

void addUnmatched(AnalysisContext& context, const std::string& path, const std::string& skinType) {
    UnmatchedSkinList& list = context.catalogue.unmatched;
    if (std::optional<std::size_t> slot = appendSlot(list, [](const FaceEntry& e) { return e.isFree(); }))
        list[*slot] = {path, skinType};
    else
        fail(context, kSkinMessage, "LOCATE_SKIN_TYPE_IN_MISCCLASSES", kOverflow,
             "Overflow: no room for another unmatched skin file", path);
}

// The model a skin type belongs to: by the models' skin types, then through the patterns,
// whose model name then stands for the skin type.
ModelEntry* modelForSkinType(AnalysisContext& context, std::string& skinType) {
    ModelCatalogue& models = context.catalogue.models;
    if (ModelEntry* model = findModelBySkinType(models, skinType)) return model;
    std::optional<std::string> patternModel = lookupPattern(context.patterns, skinType);
    if (!patternModel) return nullptr;
    ModelEntry* model = findModelBySkinType(models, *patternModel);
    if (model) skinType = *patternModel;
    return model;
}
}  // namespace

void analyseSkinText(AnalysisContext& context, const std::string& path, std::string_view text,
                     std::string_view lowered) {
    std::string storage;
    auto lines = readLineArray(context, kSkinMessage, path, text, lowered, storage, [](std::string_view lowered) {
        return has(lowered, "class=texture") && has(lowered, "description");
    });
    if (lines.empty()) return;
    std::string skinType = skinFileType(lines.front().text);
    if (skinType.empty()) {
        fail(context, kSkinMessage, "GET_TMP_SKIN_TYPE", kInvalidCall,
             "No skin package name in the line: " + std::string(lines.front().text), path);
        return;
    }
    // With the [Fixed] group off only the male-voice boss models exist, so the add-on's skins
    // go to them rather than to models that are not there.
    if (context.bossVariant == BossVariant::NoFixed) {
        std::string lowered = korvath::toLowerAscii(skinType);
        if ((lowered == "xanfixed" || lowered == "warbossfixed") &&
            !findModelBySkinType(context.catalogue.models, skinType))
            skinType = *bossPartnerSkinType(lowered);
    }
    ModelEntry* model = modelForSkinType(context, skinType);
    if (!model) {
        // Left out of the catalogue until the user ties the file to a model with a pattern.
        addUnmatched(context, path, skinType);
        return;
    }
    addSkinsToModel(context, path, lines, *model);
    if (context.bossVariant == BossVariant::Both) {
        if (std::optional<std::string> partnerType = bossPartnerSkinType(skinType)) {
            ModelEntry* partner = findModelBySkinType(context.catalogue.models, *partnerType);
            if (partner && partner != model) addSkinsToModel(context, path, lines, *partner);
        }
    }
}

void analyseVoiceText(AnalysisContext& context, const std::string& path, std::string_view text,
                      std::string_view lowered) {
    std::string storage;
    auto lines = readLineArray(context, kVoiceMessage, path, text, lowered, storage, isVoiceClassLine);
    for (const auto& [line, loweredLine] : lines) {
        std::string className = classNameOf(line);
        if (className.empty()) {
            fail(context, kVoiceMessage, "EXTRACT CLASS INFORMATION", kInvalidCall,
                 "No class name in the line: " + std::string(line), path);
            continue;
        }
        VoiceCatalogue& voices = context.catalogue.voices;
        std::optional<std::size_t> slot = appendSlot(voices, [](const VoiceEntry& v) { return v.isFree(); });
        if (!slot) {
            fail(context, kVoiceMessage, "FIRST VOICE EMPTY SLOT", kOverflow, "Overflow: no room for another voice",
                 path);
            return;
        }
        VoiceEntry& voice = voices[*slot];
        voice.className = className;
        voice.description = classDescriptionOf(line);
        std::string_view meta = commaField(line, 2);
        std::size_t dot = meta.find('.');
        std::string kind = korvath::toLowerAscii(trimTrailingBlanks(dot == std::string_view::npos ? meta : meta.substr(dot + 1)));
        if (kind != "voiceboss" && kind != "voicemale" && kind != "voicefemale") {
            // The metaclass is not the third field: take it from wherever the line names it.
            kind = has(loweredLine, "botpack.voiceboss")     ? "voiceboss"
                   : has(loweredLine, "botpack.voicefemale") ? "voicefemale"
                                                             : "voicemale";
        }
        voice.voiceType = kind == "voiceboss" ? VoiceType::Boss : kind == "voicefemale" ? VoiceType::Female : VoiceType::Male;
        tick(context);
    }
}

void analyseClassFile(AnalysisContext& context, const std::string& path) {
    if (auto text = readForAnalysis(context, kClassMessage, path)) analyseClassText(context, path, *text);
}

void analyseSkinFile(AnalysisContext& context, const std::string& path) {
    if (auto text = readForAnalysis(context, kSkinMessage, path)) analyseSkinText(context, path, *text);
}

void analyseVoiceFile(AnalysisContext& context, const std::string& path) {
    if (auto text = readForAnalysis(context, kVoiceMessage, path)) analyseVoiceText(context, path, *text);
}

}  // namespace rosterdesk
