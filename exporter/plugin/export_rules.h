#pragma once
// The exporter's rules that a host may want to apply itself (to list or measure what will be
// written): which nodes are exported, where the animation file goes, which frames a frame range
// text chooses, and a face's polygon type. The plug-in uses these same functions.
#include <optional>
#include <string>
#include <vector>

#include "exporter/host/material.h"

namespace korvathexp {

// False for no name and for names beginning with "!", or with "bip", "link" or "bone" in any case.
bool IsExportableName(const char* name);

// The animation file beside `dataPath`: the file name from its last underscore on (else from
// its first period on, else its end) becomes "_a.3d". Only the file name is looked at, so the
// result always lies in the data file's folder.
std::string MakeAnimationPath(const std::string& dataPath);

// An animation file's 4-byte header: the frames it holds and the bytes of each frame.
struct AnimationHeader {
    int frames = 0;
    int frameSize = 0;
    // The size of a file that holds exactly those frames.
    long long fileSize() const { return 4LL + static_cast<long long>(frames) * frameSize; }
};
AnimationHeader ParseAnimationHeader(const unsigned char (&bytes)[4]);

// The options dialog reads its frame range box up to this many characters.
constexpr int kFrameRangeTextLimit = 511;

// The frames a frame range text chooses (as typed in the options dialog) within start…end,
// in order; null or empty text: the whole range. Stops one frame past what an animation file
// can count, so an over-long text is refused without filling memory.
std::vector<int> FrameListFromText(const char* text, int startFrame, int endFrame);

struct PolygonType {
    unsigned char type = 0;
    bool noMaterial = false;                 // no standard material could be read
    std::optional<int> textureNumber;        // set by a "skin" name; otherwise kept as it was
};

// The polygon type of a face with material id `materialId` whose node has `material` (may be null).
PolygonType PolygonTypeOf(hostsdk::Mtl* material, hostsdk::MtlID materialId);

}  // namespace korvathexp
