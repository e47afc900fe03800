#include "exporter/convert/append_target.h"

#include "exporter/plugin/export_rules.h"

#include <fstream>
#include <string>
#include <system_error>

namespace korvath::convert {

Status checkAppendTarget(const std::filesystem::path& animationPath) {
    const std::string name = animationPath.filename().string();
    std::error_code ec;
    const auto size = std::filesystem::file_size(animationPath, ec);
    std::ifstream in(animationPath, std::ios::binary);
    unsigned char bytes[4];
    if (ec || !in.read(reinterpret_cast<char*>(bytes), sizeof bytes))
        return Status::failure(name + " is not an animation file: it is shorter than an animation file's header");
    const korvathexp::AnimationHeader header = korvathexp::ParseAnimationHeader(bytes);
    if (static_cast<long long>(size) == header.fileSize()) return Status::success();
    return Status::failure(name + " holds " + std::to_string(size) + " bytes, but its header announces " +
                           std::to_string(header.frames) + " frames of " + std::to_string(header.frameSize) +
                           " bytes (" + std::to_string(header.fileSize()) +
                           " bytes): the file was cut short or changed, so frames appended to it would not play");
}

}  // namespace korvath::convert
