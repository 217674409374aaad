// Work that takes too long for a window's handler: done on a worker thread while the handler's
// thread goes on dispatching its messages, so its windows keep painting and answering.
#pragma once

#include <functional>

// Runs work on a worker thread and returns once it has finished; this thread's messages are
// dispatched meanwhile (a quit request is kept for the loop outside). An exception thrown by the
// work is thrown here. The work must touch no window of this thread.
void RunWhileDispatching(const std::function<void()>& work);

