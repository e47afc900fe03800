#pragma once
// The exporter's node selection as the host sees it, for --list and for measuring what will be
// written; the names are judged by the plug-in's own rule.
#include "exporter/convert/scene_model.h"

#include <string>

namespace korvath::convert {

// Why the exporter leaves the node out, or an empty text when it exports it.
std::string exclusionReason(const ModelNode& node);

inline bool isExported(const ModelNode& node) { return exclusionReason(node).empty(); }

}  // namespace korvath::convert
