#pragma once
// The worker threads of StartThread, started the same way by both toolkits.

#include <functional>

namespace cinevora {

// Runs `routine` on a new detached thread; nothing keeps or joins it. True when the thread
// started. When the system cannot start one (out of threads or memory), the routine is dropped
// without running and false comes back: nothing is thrown and nothing is reported, so a category
// click simply leaves its labels and its list as they were. Any thread.
bool StartDetachedThread(std::function<void()> routine);

}  // namespace cinevora
