#pragma once
// PlayerWindow, the free cloud-play window: a banner, a one-line box for a video link and a Play
// button that only asks for a correct link. It plays nothing and keeps no state of its own.

#include <string_view>

#include "platform/toolkit/WindowDefinition.h"

namespace cinevora {

struct Program;

inline constexpr std::string_view PLAYER_WINDOW = "PlayerWindow";
inline constexpr std::string_view LINK_BOX = "编辑框1";
inline constexpr std::string_view PLAY_BUTTON = "超级按钮_播放";

// The window's layout and bindings; the handlers refer to `program`, which must outlive it.
WindowDefinition PlayerWindowDefinition(Program& program);

// Loads PlayerWindow (non-modal, no owner), or brings the open one to the front. UI thread.
void OpenPlayerWindow(Program& program);

// The Play button: the message box "请输入正确的视频链接" (style 0) and nothing else; the link box
// is not read and no request is made. UI thread; returns when the box is closed.
void PlayClicked(Program& program);

}  // namespace cinevora
