#pragma once
// MainWindow's creation and destruction events: the update check, the skin tint and the spinner
// font's registration and release.

namespace cinevora {

struct Program;

// Runs while MainWindow is loaded, before the user can use it: sets ExpectedVersion, runs the
// update check (when it fails the program has ended and nothing else runs), tints the skin
// (120, 90, 40), registers the spinner font (SpinnerFontHandle, 0 when that failed), starts
// SpinnerGlyph at the first frame and gives 标签1 the face "Setup". UI thread.
void MainWindowCreated(Program& program);

// Runs when MainWindow is about to be destroyed: releases the spinner font (also a 0 handle).
// The program goes on while another of its windows is open. UI thread.
void MainWindowDestroyed(Program& program);

}  // namespace cinevora
