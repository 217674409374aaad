// Reading the two sources (UTF-8). Texts become code page 932 as each line is read, so that a
// character the code page cannot hold is reported on its own line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Diagnostics.h"
#include "HelpSource.h"

namespace helpc {

// The topic source; see the README for its lines. Fills title and topics.
void ParseTopics(std::string_view text, HelpSource& source, Diagnostics& diagnostics);
// The context map: "CONTEXT NUMBER" lines (decimal or 0x hexadecimal), ';' starting a comment line.
void ParseContextMap(std::string_view text, HelpSource& source, Diagnostics& diagnostics);

// Lines without their line ends and trailing blanks; a leading byte-order mark is dropped.
std::vector<std::string_view> SourceLines(std::string_view text);
std::string_view Trim(std::string_view text);

}  // namespace helpc
