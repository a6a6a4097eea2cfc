#include "app/UpdateCheck.h"

#include "app/Program.h"
#include "platform/codepage/Codepage.h"

namespace cinevora {

bool UpdateCheckPassed(const Program& program) {
  return program.FetchedVersion == program.ExpectedVersion;
}

bool UpdateCheck(Program& program) {
  Toolkit& toolkit = program.toolkit;
  const Text& updateBase = program.addresses.updateBase;
  program.FetchedVersion = TextFromBytes(toolkit.PlainDownload(updateBase + "/qatrelux.txt"));
  if (UpdateCheckPassed(program)) return true;

  // Any Yes skips the remaining boxes; every path ends in the browser and the program's end.
  if (toolkit.MessageBox(Gbk("系统发现最新版本，请下载最新的版本。"), MB_STYLE_YES_NO_QUESTION) !=
          MB_RESULT_YES &&
      toolkit.MessageBox(Gbk("当前不是最新版本，请下载最新的版本。"), MB_STYLE_YES_NO_QUESTION) !=
          MB_RESULT_YES) {
    toolkit.MessageBox(Gbk("很抱歉，当前版本已失效停用，请下载最新版本使用。"),
                       MB_STYLE_OK_INFORMATION);
  }
  toolkit.OpenUrl(updateBase);
  toolkit.EndProgram(0);
  return false;
}

}  // namespace cinevora
