#pragma once
// The catalogue as text, as `rosterdesk-cli catalogue` prints it.
#include <ostream>

#include "rosterdesk/catalogue/catalogue.h"

namespace rosterdesk {

// Models (class, description, skin type) with their skins and faces, then the voices with
// their types, then the unmatched skin files. Free slots are left out.
void formatCatalogue(const Catalogue& catalogue, std::ostream& out);

}  // namespace rosterdesk
