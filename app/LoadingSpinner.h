#pragma once
// The loading spinner in MainWindow's header: 时钟1 steps the glyph of 标签1 through the 122
// frames of the spinner font every 30 ms; after the last frame the label goes blank, 时钟1 stops
// and 时钟2 restarts it 250 ms later. The timers run for the whole life of the window; whoever
// fetches a category only shows or hides the labels.

#include <string_view>

namespace cinevora {

struct Program;

inline constexpr std::string_view STEP_TIMER = "时钟1";
inline constexpr std::string_view RESTART_TIMER = "时钟2";

inline constexpr int FIRST_SPINNER_GLYPH = 0xE052;  // 57426, the first frame
inline constexpr int LAST_SPINNER_GLYPH = 0xE0CB;   // 57547, the 122nd frame
inline constexpr int STEP_PERIOD_MS = 30;
inline constexpr int PAUSE_PERIOD_MS = 250;

// One tick of 时钟1: shows the frame SpinnerGlyph in 标签1 and moves on to the next. The tick
// after the last frame (the 123rd of a cycle) starts SpinnerGlyph again at the first frame, shows
// one blank, starts the pause on 时钟2 and stops 时钟1, in this order. UI thread.
void SpinnerStep(Program& program);

// One tick of 时钟2: restarts 时钟1 and stops 时钟2. UI thread.
void SpinnerRestart(Program& program);

}  // namespace cinevora
