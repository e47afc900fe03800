#pragma once
// The program's icon, drawn rather than shipped: a height-coloured hill over dark ground.
#include <QIcon>

namespace landforge::shell {

QIcon landforgeIcon();

}  // namespace landforge::shell
