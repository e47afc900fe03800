#pragma once
// The window tests run on an offscreen screen of a known size, so window placement can be
// checked: korvath::testing::ensureApplication(kScreen).
#include <QSize>

#include "common/testing/qt_application.h"

namespace hoardsort::testing {

inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;
inline const QSize kScreen(kScreenWidth, kScreenHeight);

}  // namespace hoardsort::testing
