#include "app/StartUp.h"

#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/SkinInstaller.h"
#include "app/UpdateCheck.h"
#include "platform/skin/SkinLibrary.h"

namespace cinevora {

bool StartUp(Program& program) {
  SkinInstaller(program);
  if (program.skin.Failed()) return false;
  program.toolkit.LoadWindow(MainWindowDefinition(program));
  return UpdateCheckPassed(program) && !program.skin.Failed();
}

}  // namespace cinevora
