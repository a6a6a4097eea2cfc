#include "app/Launch.h"

#include "app/SkinInstaller.h"
#include "app/StartUp.h"
#include "platform/drive/Drive.h"
#include "platform/inet/CurlInternetService.h"
#include "platform/skin/SkinLibrary.h"
#include "platform/toolkit/QtToolkit.h"

namespace cinevora {

int Launch(int& argc, char** argv, const SiteAddresses& addresses,
           const std::function<void(Toolkit&)>& afterStartUp) {
  const std::unique_ptr<InternetService> inet = MakeCurlInternetService();
  QtToolkit toolkit(argc, argv, *inet);
  Drive drive = Drive::ForCurrentUser();
  SkinLibrary skin(toolkit, SkinLibrarySearchFolders(drive));
  Program program{
      .toolkit = toolkit, .inet = *inet, .skin = skin, .drive = drive, .addresses = addresses};
  // A failed start has ended the process already; the return is for toolkits whose end returns.
  if (!StartUp(program)) return 1;
  if (afterStartUp) afterStartUp(toolkit);
  toolkit.EndProgram(toolkit.RunMessageLoop());
  return 0;
}

}  // namespace cinevora
