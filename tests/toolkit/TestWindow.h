#pragma once
// A small window holding one control of every kind, named the way the program names them.

#include <atomic>
#include <functional>

#include "platform/codepage/Codepage.h"
#include "platform/toolkit/WindowDefinition.h"

namespace cinevora::test {

inline const std::string kWindow = "TestWindow";
inline const std::string kPicture = "图片框1";
inline const std::string kRunningTimer = "时钟1";
inline const std::string kStoppedTimer = "时钟2";
inline const std::string kLabel = "标签1";
inline const std::string kButton = "超级按钮_播放";
inline const std::string kLinkBox = "编辑框1";  // one line, editable
inline const std::string kLinks = "编辑框2";    // multi-line, read-only
inline const std::string kList = "超级列表框1";

// `created` counts the runs of onCreate; `onDestroy` is bound as the window's destruction event.
inline WindowDefinition TestWindowDefinition(std::atomic<int>& created, std::function<void()> onDestroy) {
  WindowDefinition w;
  w.name = kWindow;
  w.title = Gbk("测试窗口");
  w.outerWidth = 406;
  w.outerHeight = 328;
  w.fixedBorder = true;
  w.onCreate = [&created] { ++created; };
  w.onDestroy = std::move(onDestroy);

  ControlDefinition picture;
  picture.kind = ControlKind::PictureBox;
  picture.name = kPicture;
  picture.left = 0, picture.top = 0, picture.width = 400, picture.height = 60;
  picture.backgroundColour = Rgb(8, 168, 218);

  ControlDefinition running;
  running.kind = ControlKind::Timer;
  running.name = kRunningTimer;
  running.parent = kPicture;
  running.timerPeriod = 30;
  ControlDefinition stopped = running;
  stopped.name = kStoppedTimer;
  stopped.timerPeriod = 0;

  ControlDefinition label;
  label.kind = ControlKind::Label;
  label.name = kLabel;
  label.parent = kPicture;
  label.left = 8, label.top = 8, label.width = 160, label.height = 24;
  label.caption = Gbk("标签");
  label.visible = false;
  label.textColour = kWhite;
  label.backgroundColour = Rgb(8, 168, 218);
  label.font = FontSpec{Gbk("微软雅黑"), -16, 700, true};

  ControlDefinition button;
  button.kind = ControlKind::Button;
  button.name = kButton;
  button.left = 240, button.top = 64, button.width = 160, button.height = 32;
  button.caption = Gbk("播放");
  button.font = FontSpec{Gbk("微软雅黑"), -14, 400, true};
  button.buttonColours = ButtonColours{Rgb(149, 215, 241), Rgb(128, 207, 238), Rgb(111, 202, 236)};

  ControlDefinition linkBox;
  linkBox.kind = ControlKind::EditBox;
  linkBox.name = kLinkBox;
  linkBox.left = 0, linkBox.top = 64, linkBox.width = 232, linkBox.height = 32;
  linkBox.caption = Gbk("请在此输入视频链接");
  linkBox.textColour = Rgb(8, 168, 218);
  linkBox.border = Border::ShallowSunken;
  linkBox.font = FontSpec{Gbk("微软雅黑"), -12, 400, true};

  ControlDefinition links = linkBox;
  links.name = kLinks;
  links.top = 100, links.width = 400, links.height = 80;
  links.caption.clear();
  links.textColour = kBlack;
  links.border = Border::Single;
  links.multiLine = links.readOnly = links.verticalScrollBar = true;

  ControlDefinition list;
  list.kind = ControlKind::ListView;
  list.name = kList;
  list.left = 0, list.top = 184, list.width = 400, list.height = 116;
  list.border = Border::StaticEdge;
  list.headerVisible = false;
  list.columns = {{Gbk("标题"), 300}, {Gbk("日期"), 100}, {Gbk("地址"), 0}};
  list.font = FontSpec{Gbk("微软雅黑"), -12, 400, true};

  w.controls = {picture, running, stopped, label, button, linkBox, links, list};
  return w;
}

// A 2 x 2 24-bit Windows bitmap: red, green / blue, white.
inline Bytes TinyBitmap() {
  Bytes b = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,      // file header: size 70, data at 54
             40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,     // info header: 2 x 2, 24 bits
             0, 0, 0, 0, 16, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  const Bytes rows = {0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0,  // bottom row: blue, white (BGR), padding
                      0, 0, 0xFF, 0, 0xFF, 0, 0, 0};       // top row: red, green
  b.insert(b.end(), rows.begin(), rows.end());
  return b;
}

}  // namespace cinevora::test
