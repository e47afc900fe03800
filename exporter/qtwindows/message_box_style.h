#pragma once
// What a message box type asks for: its icon, its buttons in order and the button that Enter
// and Escape choose, as the Windows message box reads the type bits.
#include <vector>

namespace korvath::qtwindows {

// The type bits and answers beyond the few the host layer declares.
constexpr unsigned kButtonsMask = 0x0000000F;
constexpr unsigned kIconMask = 0x000000F0;
constexpr unsigned kDefaultButtonMask = 0x00000F00;
constexpr int kIdAbort = 3, kIdRetry = 4, kIdIgnore = 5, kIdYes = 6, kIdNo = 7;

enum class BoxIcon { None, Error, Question, Warning, Information };

struct BoxButton {
    int id = 0;          // the answer the box returns when it is pressed
    const char* text = "";
};

struct BoxStyle {
    BoxIcon icon = BoxIcon::None;
    std::vector<BoxButton> buttons;
    int defaultIndex = 0;   // the button Enter presses
    int escapeId = 0;       // the answer Escape gives; 0: Escape does nothing
};

BoxStyle messageBoxStyle(unsigned type);

}  // namespace korvath::qtwindows
