#pragma once
// The one QApplication of a window test program (gtest_main creates none). Created on first
// use and never destroyed: tearing Qt down during static destruction crashes after some
// widgets, and GL contexts outlive the tests' scopes.
#include <optional>

#include <QSize>

namespace korvath::testing {

// On the platform the environment chooses (offscreen in ctest, X for the GL views), or, with
// `offscreenScreen`, on an offscreen screen of that size so window placement can be checked.
// Later calls return at once; the first one's arguments hold.
void ensureApplication(std::optional<QSize> offscreenScreen = std::nullopt);

}  // namespace korvath::testing
