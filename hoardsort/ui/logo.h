#pragma once
#include <QPixmap>

namespace hoardsort {

// The program's logo, drawn rather than shipped so the build needs no image files.
QPixmap paintLogo();

}  // namespace hoardsort
