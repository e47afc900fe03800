#pragma once
// The three analysers of package-description files: class files give models, skin files give
// skins with their faces, voice files give voices. They never stop on a bad file: whatever
// goes wrong is recorded as an AnalysisFailure with the stage it happened in, and the
// analyser goes on with the next line or file.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "rosterdesk/catalogue/boss.h"
#include "rosterdesk/catalogue/catalogue.h"
#include "rosterdesk/catalogue/listing.h"
#include "rosterdesk/catalogue/patterns.h"

namespace rosterdesk {

// What the error dialog shows for a failed analysis.
struct AnalysisFailure {
    std::string message;  // e.g. "Unknown Error in modParseInt in Sub ParseSkin:"
    std::string stage;    // e.g. "RETRIEVE SKIN AND FACES"
    int number = 0;       // the error's number
    std::string description;
    std::string file;
    // The caller's message for the error dialog: the message, a blank, the stage.
    std::string text() const { return stage.empty() ? message : message + " " + stage; }
};

struct AnalysisContext {
    Catalogue& catalogue;
    const SkinPatternList& patterns;
    BossVariant bossVariant = BossVariant::NoFixed;
    const ScanObserver* observer = nullptr;
    std::vector<AnalysisFailure>* failures = nullptr;
};

// Each takes the file's path (kept in the catalogue where needed) and its whole text, and
// may be given that text in lower case when the caller has it already.
void analyseClassText(AnalysisContext& context, const std::string& path, std::string_view text,
                      std::string_view lowered = {});
void analyseSkinText(AnalysisContext& context, const std::string& path, std::string_view text,
                     std::string_view lowered = {});
void analyseVoiceText(AnalysisContext& context, const std::string& path, std::string_view text,
                      std::string_view lowered = {});

// The same, reading the file first; an unreadable file is recorded as a failure.
void analyseClassFile(AnalysisContext& context, const std::string& path);
void analyseSkinFile(AnalysisContext& context, const std::string& path);
void analyseVoiceFile(AnalysisContext& context, const std::string& path);

// The skin type of a skin file from its first skin line, before any model is looked up.
std::string skinFileType(std::string_view firstSkinLine);

}  // namespace rosterdesk
