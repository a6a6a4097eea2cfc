#pragma once
// The one road between the program's CP936 texts and Qt's strings.

#include <QString>

#include "platform/codepage/Codepage.h"

namespace cinevora {

inline QString ToQString(const Text& text) { return QString::fromStdU16String(AnsiToWide(text)); }
inline Text FromQString(const QString& text) { return WideToAnsi(text.toStdU16String()); }

}  // namespace cinevora
