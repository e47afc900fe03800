#include "exporter/convert/selection.h"

#include "exporter/plugin/export_rules.h"

namespace korvath::convert {

std::string exclusionReason(const ModelNode& node) {
    if (!korvathexp::IsExportableName(node.name.c_str()))
        return "name excluded ('!', 'bip', 'link' or 'bone' prefix)";
    if (!node.hasMesh()) return "no mesh";
    return {};
}

}  // namespace korvath::convert
