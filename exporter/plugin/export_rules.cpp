// Which nodes are exported and where the animation file goes.
#include "exporter/plugin/export_rules.h"

#include <strings.h>

namespace korvathexp {

bool IsExportableName(const char* name) {
    if (!name || name[0] == '!') return false;
    return strncasecmp(name, "bip", 3) != 0 && strncasecmp(name, "link", 4) != 0 &&
           strncasecmp(name, "bone", 4) != 0;
}

std::string MakeAnimationPath(const std::string& dataPath) {
    const size_t slash = dataPath.find_last_of("/\\");
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    size_t cut = dataPath.rfind('_');
    if (cut == std::string::npos || cut < nameStart) {
        cut = dataPath.find('.', nameStart);
        if (cut == std::string::npos) cut = dataPath.size();
    }
    return dataPath.substr(0, cut) + "_a.3d";
}

AnimationHeader ParseAnimationHeader(const unsigned char (&bytes)[4]) {
    return {bytes[0] | bytes[1] << 8, bytes[2] | bytes[3] << 8};
}

}  // namespace korvathexp
