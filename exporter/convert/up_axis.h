#pragma once
// The host's world is Z-up. The import library hands scenes over Y-up unless the file's metadata
// names another up axis; these turn the named axis onto +Z.
#include <assimp/matrix4x4.h>

#include <optional>
#include <string>

struct aiScene;

namespace korvath::convert {

struct UpAxis {
    int axis = 1;   // 0 x, 1 y, 2 z
    int sign = 1;   // +1 or -1
};

// The up axis the file declares in its metadata ("UpAxis", "UpAxisSign"), else +Y.
UpAxis declaredUpAxis(const aiScene& scene);

// "x", "y" or "z" (any case) as a positive axis; nullopt for anything else.
std::optional<UpAxis> parseUpAxis(const std::string& text);

// The rotation that turns `up` onto +Z (a quarter turn about X for +Y).
aiMatrix4x4 rotationToZUp(UpAxis up);

}  // namespace korvath::convert
