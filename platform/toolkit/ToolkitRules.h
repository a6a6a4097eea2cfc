#pragma once
// Property rules that every toolkit applies the same way, kept in one place so that the screen
// and the tests cannot drift apart. Pure functions; thread-safe.

#include <cstdint>
#include <initializer_list>
#include <span>

#include "platform/toolkit/WindowDefinition.h"
#include "text/Text.h"

namespace cinevora {

// Which kinds of control have which properties; an operation on a control of another kind does
// nothing.
inline constexpr std::initializer_list<ControlKind> SHOWN_KINDS = {
    ControlKind::PictureBox, ControlKind::Label, ControlKind::Button, ControlKind::EditBox, ControlKind::ListView};
inline constexpr std::initializer_list<ControlKind> CAPTIONED_KINDS = {ControlKind::Label, ControlKind::Button};
inline constexpr std::initializer_list<ControlKind> LETTERED_KINDS = {ControlKind::Label, ControlKind::Button,
                                                                      ControlKind::EditBox, ControlKind::ListView};

// The longest face name a control accepts; longer (or empty) names fall back to the default face.
constexpr std::size_t MAX_FONT_FACE_BYTES = 31;

// The face a control ends up with when `requested` is written to it: the name itself when it is
// 1 to MAX_FONT_FACE_BYTES bytes long, otherwise "宋体".
Text EffectiveFontFace(const Text& requested);

// What writing `requested` milliseconds to a timer that currently has `current` does.
struct TimerChange {
  bool changes = false;  // false: the same period again; a running timer is left alone
  int period = 0;        // the new period; 0 = stopped (a negative request also stops it)
};
TimerChange TimerPeriodChange(int current, int requested);

// True when the bytes start like a TrueType/OpenType font file (or collection); the headless
// toolkit uses it to refuse what the real font database would refuse.
bool LooksLikeFontFile(std::span<const std::uint8_t> bytes);

}  // namespace cinevora
