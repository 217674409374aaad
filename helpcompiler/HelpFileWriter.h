// All internal files of the help file, put together: what the viewer needs to show the topics,
// find them by context id, context number and keyword, and browse through them.
#pragma once

#include <string>
#include <string_view>

#include "HelpSource.h"

namespace helpc {

// The source must have passed the checks; helpFileName is the file's own name, which the topic
// buttons jump into.
std::string BuildHelpFile(const HelpSource& source, std::string_view helpFileName);

}  // namespace helpc
