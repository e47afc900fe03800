#pragma once
// What --list prints: the node tree with each node's verdict, and the animations.
#include "exporter/convert/model_loader.h"

#include <ostream>

namespace korvath::convert {

void listScene(const LoadedModel& loaded, int framesPerSecond, std::ostream& out);

}  // namespace korvath::convert
