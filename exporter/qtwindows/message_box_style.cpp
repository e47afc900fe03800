#include "exporter/qtwindows/message_box_style.h"

#include "exporter/host/window_system.h"

namespace korvath::qtwindows {

namespace {

constexpr BoxButton kOk{hostsdk::IDOK, "OK"};
constexpr BoxButton kCancel{hostsdk::IDCANCEL, "Cancel"};
constexpr BoxButton kAbort{kIdAbort, "&Abort"};
constexpr BoxButton kRetry{kIdRetry, "&Retry"};
constexpr BoxButton kIgnore{kIdIgnore, "&Ignore"};
constexpr BoxButton kYes{kIdYes, "&Yes"};
constexpr BoxButton kNo{kIdNo, "&No"};

}  // namespace

BoxStyle messageBoxStyle(unsigned type) {
    BoxStyle style;
    switch (type & kButtonsMask) {
    case 1: style.buttons = {kOk, kCancel}; break;
    case 2: style.buttons = {kAbort, kRetry, kIgnore}; break;
    case 3: style.buttons = {kYes, kNo, kCancel}; break;
    case 4: style.buttons = {kYes, kNo}; break;
    case 5: style.buttons = {kRetry, kCancel}; break;
    default: style.buttons = {kOk}; break;  // MB_OK and unknown values
    }
    switch (type & kIconMask) {
    case 0x10: style.icon = BoxIcon::Error; break;
    case 0x20: style.icon = BoxIcon::Question; break;
    case 0x30: style.icon = BoxIcon::Warning; break;
    case 0x40: style.icon = BoxIcon::Information; break;
    default: style.icon = BoxIcon::None; break;
    }
    const int wanted = static_cast<int>((type & kDefaultButtonMask) >> 8);
    style.defaultIndex = wanted < static_cast<int>(style.buttons.size()) ? wanted : 0;
    // Escape answers Cancel where there is one; a lone OK box takes it as OK; otherwise the
    // user must choose.
    for (const BoxButton& b : style.buttons)
        if (b.id == hostsdk::IDCANCEL) style.escapeId = hostsdk::IDCANCEL;
    if (style.buttons.size() == 1) style.escapeId = hostsdk::IDOK;
    return style;
}

}  // namespace korvath::qtwindows
