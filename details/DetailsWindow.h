#pragma once
// DetailsWindow, one movie of the catalogue: the poster on the left, the cleaned description on
// the right and the numbered download links along the bottom. It is filled once, while it is
// created (DetailsReader), and never changes afterwards.

#include <string_view>

#include "app/Program.h"
#include "platform/toolkit/WindowDefinition.h"

namespace cinevora {

inline constexpr std::string_view DETAILS_WINDOW = "DetailsWindow";
inline constexpr std::string_view POSTER_BOX = "图片框1";
inline constexpr std::string_view DESCRIPTION_BOX = "编辑框1";
inline constexpr std::string_view DOWNLOAD_LINK_BOX = "编辑框2";

// The window's layout, with DetailsReader bound to its creation; `program` must outlive it.
WindowDefinition DetailsWindowDefinition(Program& program);

// The double-click on MainWindow's movie list. With no row selected it does nothing; otherwise
// it loads DetailsWindow (non-modal, no owner) for the selected movie and returns once the
// window is filled. An open DetailsWindow is only brought to the front (restored when
// minimised) and keeps the movie it was opened for. UI thread; blocks while the pages download.
void OpenDetailsWindow(Program& program);

}  // namespace cinevora
