// Cinevora's own start, for startup_bench: the program's launch with the update check sent to the
// address given as the only argument. Prints "shown" once the message loop has handled the
// window's first events, then ends the process.

#include <QTimer>
#include <cstdio>

#include "app/Launch.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: startup_probe UPDATE_BASE\n");
    return 2;
  }
  cinevora::SiteAddresses addresses = cinevora::ConfiguredSiteAddresses();
  addresses.updateBase = argv[1];
  int qtArgc = 1;  // Qt sees the program name only
  return cinevora::Launch(qtArgc, argv, addresses, [](cinevora::Toolkit& toolkit) {
    QTimer::singleShot(0, [&toolkit] {
      std::puts("shown");
      toolkit.EndProgram(0);
    });
  });
}
