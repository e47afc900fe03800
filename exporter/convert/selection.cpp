#include "exporter/convert/selection.h"

#include "common/files/game_path.h"

namespace korvath::convert {

namespace {

bool startsWithNoCase(std::string_view name, std::string_view prefix) {
    return name.size() >= prefix.size() && equalsNoCase(name.substr(0, prefix.size()), prefix);
}

}  // namespace

bool isExportableName(std::string_view name) {
    // An empty name is still a name (an MD2 file's only node has one).
    if (!name.empty() && name.front() == '!') return false;
    return !startsWithNoCase(name, "bip") && !startsWithNoCase(name, "link") &&
           !startsWithNoCase(name, "bone");
}

std::string exclusionReason(const ModelNode& node) {
    if (!isExportableName(node.name)) return "name excluded ('!', 'bip', 'link' or 'bone' prefix)";
    if (!node.hasMesh()) return "no mesh";
    return {};
}

}  // namespace korvath::convert
