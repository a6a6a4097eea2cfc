// cinevora-demo-site: serves the bundled demo movie site on 127.0.0.1 until SIGINT or SIGTERM.
//
//   cinevora-demo-site [--port N] [--update-answer TEXT] [--delay-ms N]
//
// --port          port to listen on (default: the configured demo port; 0 picks a free one)
// --update-answer the whole body of /qatrelux.txt (default "1"; anything else makes the program
//                 ask the user to update)
// --delay-ms      wait this long before answering each listing page (to watch the spinner)
//
// The pages link to the base addresses this build was configured with. Prints one line once it
// accepts requests; exits 0 after a clean stop, 1 when it cannot start, 2 on a bad command line.

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "DemoSite.h"

namespace {

// A whole non-negative decimal number up to `max`, or -1.
long ParseCount(const char* text, long max) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < 0 || value > max) return -1;
  return value;
}

int Usage(const char* why) {
  std::fprintf(stderr, "cinevora-demo-site: %s\nusage: cinevora-demo-site [--port N] "
               "[--update-answer TEXT] [--delay-ms N]\n", why);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  cinevora::demo::DemoSiteOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view flag = argv[i];
    if (i + 1 >= argc) return Usage("every option takes a value");
    const char* value = argv[++i];
    if (flag == "--port") {
      const long port = ParseCount(value, 65535);
      if (port < 0) return Usage("--port takes a number from 0 to 65535");
      options.port = static_cast<int>(port);
    } else if (flag == "--update-answer") {
      options.updateAnswer = value;
    } else if (flag == "--delay-ms") {
      const long delay = ParseCount(value, 600000);
      if (delay < 0) return Usage("--delay-ms takes a number of milliseconds up to 600000");
      options.delayMs = static_cast<int>(delay);
    } else {
      return Usage("unknown option");
    }
  }

  // Block the stop signals before any thread starts, so that every thread inherits the mask
  // and the main thread alone takes them with sigwait.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  cinevora::demo::DemoSite site(options);
  if (!site.Start()) {
    std::fprintf(stderr, "cinevora-demo-site: %s\n", site.error().c_str());
    return 1;
  }
  std::printf("cinevora-demo-site: serving http://127.0.0.1:%d/ (Ctrl+C stops)\n", site.port());
  std::fflush(stdout);

  int signal = 0;
  sigwait(&stopSignals, &signal);
  site.Stop();
  return 0;
}
