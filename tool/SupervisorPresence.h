// Whether the supervisor runs: it would overwrite whatever the tool writes into its keys when it
// next stores its settings.
#pragma once

#include <string>

// A top-level window titled exactly like the supervisor (hidden ones too, as at its start-up).
// Message boxes and dialogs are skipped: the tool's own boxes carry the same caption.
bool SupervisorRuns(const std::string& title);
