#pragma once
// The start-up sequence after the toolkit exists: the skin is installed and attached, then
// MainWindow is loaded (its creation event runs the update check).

namespace cinevora {

struct Program;

// Installs the skin and loads MainWindow. Returns true when MainWindow is up and the message loop
// should run; false when the program has already been ended (the skin library could not be
// loaded, or the update check failed), in which case the caller returns at once. UI thread.
bool StartUp(Program& program);

}  // namespace cinevora
