#pragma once
// The exporter's node selection as the host sees it, for --list and for --fit (which must
// measure only what will be written). The plug-in applies its own rule when it exports.
#include "exporter/convert/scene_model.h"

#include <string>
#include <string_view>

namespace korvath::convert {

// Names the exporter skips: "!…", "bip…", "link…", "bone…" in any case.
bool isExportableName(std::string_view name);

// Why the exporter leaves the node out, or an empty text when it exports it.
std::string exclusionReason(const ModelNode& node);

}  // namespace korvath::convert
