#include "app/PlayerWindow.h"

#include "app/Controls.h"
#include "app/Program.h"
#include "platform/codepage/Codepage.h"

namespace cinevora {

WindowDefinition PlayerWindowDefinition(Program& program) {
  WindowDefinition window;
  window.name = PLAYER_WINDOW;
  window.title = Gbk("Cinevora—免费在线云播放器");
  window.left = 50;
  window.top = 50;
  window.outerWidth = 785;
  window.outerHeight = 283;

  window.controls.push_back(
      PictureBox("图片框1", "", 0, 0, 784, 112, "PlayerBanner", PictureFit::Stretch));

  // The box starts with ordinary text (not a placeholder): it stays until the user changes it.
  ControlDefinition linkBox =
      PlacedControl(ControlKind::EditBox, std::string(LINK_BOX), "", 16, 160, 584, 32);
  linkBox.caption = Gbk("请在此输入视频链接（thunder、ftp、http、ed2k、magnet、xplan、bt）");
  linkBox.font = UiFont(-12);
  linkBox.textColour = Rgb(8, 168, 218);
  linkBox.backgroundColour = kWhite;
  linkBox.border = Border::ShallowSunken;
  window.controls.push_back(std::move(linkBox));

  window.controls.push_back(ColouredButton(
      std::string(PLAY_BUTTON), 608, 160, 160, 32, Gbk("播放"),
      {Rgb(149, 215, 241), Rgb(128, 207, 238), Rgb(111, 202, 236)},
      [&program] { PlayClicked(program); }));
  return window;
}

void OpenPlayerWindow(Program& program) {
  program.toolkit.LoadWindow(PlayerWindowDefinition(program));
}

void PlayClicked(Program& program) {
  program.toolkit.MessageBox(Gbk("请输入正确的视频链接"), MB_STYLE_OK);
}

}  // namespace cinevora
