// The one rule by which a window is recognised from its text, whether the text is read live or
// from a snapshot of the desktop.
#pragma once

#include <string_view>

namespace nuvari {

enum WindowTextMode { kMatchEquals = 0, kMatchContains = 2 };

// A non-empty window text matches when it equals (mode 0) or contains (mode 2, stepping by
// code-page-932 characters) the search text. An empty window text and any other mode match nothing.
bool WindowTextMatches(std::string_view windowText, std::string_view text, int mode);

}  // namespace nuvari
