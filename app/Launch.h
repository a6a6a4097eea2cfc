#pragma once
// The whole run of the program on the desktop: the platform services, the start-up sequence and
// the message loop. Needs Qt (the real toolkit); the program's main is this call alone.

#include <functional>

#include "app/Program.h"

namespace cinevora {

// Builds the services (libcurl, the Qt toolkit, the per-user drive C, the skin library), runs the
// start-up sequence and the message loop until the last window closes, then ends the process
// with the loop's exit code (0). A failed start has already ended the process (exit code 0 after
// a failed update check, non-zero when the skin library is missing). `afterStartUp`, when given,
// runs on the UI thread once MainWindow is up, just before the loop. Main thread only.
int Launch(int& argc, char** argv, const SiteAddresses& addresses,
           const std::function<void(Toolkit&)>& afterStartUp = {});

}  // namespace cinevora
