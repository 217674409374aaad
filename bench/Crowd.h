// The crowd of a benchmark: unrelated top-level windows of another program, which every search of
// the desktop must walk past. It is the benchmark's own program started again as "crowd N".
#pragma once

#include <memory>

#include "ChildProcess.h"

namespace bench {

// The crowd process's main when argv is "crowd N": N hidden windows, served until the process is
// ended. -1 when argv asks for something else.
int RunCrowdIfAsked(int argc, char** argv);

// Starts the crowd and waits until its last window exists.
std::unique_ptr<nuvari::test::ChildProcess> StartCrowd(int count);

// Top-level windows on the desktop now.
int CountTopLevel();

}  // namespace bench
