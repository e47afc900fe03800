#include "landforge/cli/subcommand_support.h"

#include "common/files/atomic_file.h"
#include "landforge/terrain/terrain_edits.h"

namespace landforge {

std::optional<std::vector<int>> parseInts(std::string_view text, std::size_t count) {
    std::vector<int> values;
    while (true) {
        std::size_t comma = text.find(',');
        auto v = parseNumber<int>(text.substr(0, comma));
        if (!v) return std::nullopt;
        values.push_back(*v);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    if (values.size() != count) return std::nullopt;
    return values;
}

CliOutcome takeFileNames(korvath::ArgList& args, std::size_t count, std::vector<std::string>& names) {
    names = args.positionals();
    if (!args.ok()) return usageError(args.error());
    if (names.size() != count)
        return usageError("expected " + std::to_string(count) + (count == 1 ? " file name" : " file names"));
    return std::nullopt;
}

CliOutcome readViewOption(korvath::ArgList& args, GridRect& rect) {
    rect = kFullRect;
    auto text = args.option("--view");
    if (!text) return std::nullopt;
    auto v = parseInts(*text, 4);
    if (!v) return usageError("--view takes X,Y,W,H");
    rect = {(*v)[0], (*v)[1], (*v)[2], (*v)[3]};
    if (!insideGrid(rect)) return failed("the view " + *text + " lies outside the 256 x 256 grid");
    return std::nullopt;
}

ParsedDocument readCompleteTerrainFile(const std::string& path) {
    ParsedDocument doc = readDocumentFile(path);
    if (!doc.ok()) return ParsedDocument::failure(path + ": " + doc.error());
    if (!doc->complete) return ParsedDocument::failure(path + ": the file is shorter than its header announces.");
    return doc;
}

CliOutcome openCompleteTerrainFile(const std::string& path, TerrainState& state) {
    ParsedDocument doc = readCompleteTerrainFile(path);
    if (!doc.ok()) return failed(doc.error());
    applyOpenedDocument(state, doc);
    return std::nullopt;
}

CliOutcome writeOutputFile(const std::string& path, const std::string& bytes) {
    korvath::Status s = korvath::writeFileAtomically(path, bytes);
    if (!s.ok()) return failed(s.error());
    return std::nullopt;
}

}  // namespace landforge
