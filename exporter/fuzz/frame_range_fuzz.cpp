// Fuzzes the two rules that read what the user typed: the frame range text and the data path.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "exporter/plugin/korvathexp.h"
#include "exporter/plugin/mesh_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    korvathexp::KorvathExp exp;
    // A range of up to a few hundred frames around zero, chosen by the first two bytes.
    exp.startFrame = static_cast<std::int8_t>(data[0]);
    exp.endFrame = exp.startFrame + data[1];
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    exp.ParseFrameRange(text.c_str());
    for (int frame : exp.frames) {
        if (frame < exp.startFrame || frame > exp.endFrame) __builtin_trap();
    }
    const std::string path = korvathexp::MakeAnimationPath(text);
    if (path.size() < 5 || path.compare(path.size() - 5, 5, "_a.3d") != 0) __builtin_trap();
    return 0;
}
