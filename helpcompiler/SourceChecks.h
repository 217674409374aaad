// Everything the compiler refuses once both sources are read: ids, jumps, buttons, the map and
// the sizes the format can hold.
#pragma once

#include <string_view>

#include "Diagnostics.h"
#include "HelpSource.h"

namespace helpc {

void CheckSource(const HelpSource& source, std::string_view helpFileName, Diagnostics& diagnostics);

}  // namespace helpc
