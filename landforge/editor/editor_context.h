#pragma once
// What a command works with: the program-wide state, the message boxes and file choosers, the
// program's dialogs and the image decoder (the shell passes the Qt one).
#include <functional>
#include <optional>
#include <string>

#include "common/interaction/interaction.h"
#include "landforge/editor/editor_dialogs.h"
#include "landforge/editor/editor_state.h"
#include "landforge/terrain/image_patch.h"

namespace landforge {

using ImageDecoder = std::function<std::optional<GreyImage>(const std::string& path)>;

struct EditorContext {
    EditorState& state;
    korvath::Interaction& ui;
    EditorDialogs& dialogs;
    ImageDecoder decodeImage;
};

inline constexpr const char* kErrorTitle = "Landforge Error";
inline constexpr const char* kWarningTitle = "Landforge Warning";
inline constexpr const char* kNoticeTitle = "Landforge Notice";

}  // namespace landforge
