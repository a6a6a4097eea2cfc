#pragma once
// The program's message boxes on Qt: the title "信息：", no owner, the buttons and icon of the
// three styles the program uses. UI thread only.

#include <QMessageBox>

#include "text/Text.h"

namespace cinevora {

// A new box (the caller owns it) for MB_STYLE_OK, MB_STYLE_YES_NO_QUESTION or
// MB_STYLE_OK_INFORMATION; any other style is shown as MB_STYLE_OK.
QMessageBox* NewMessageBox(const Text& text, int style);

// The MB_RESULT_* of a finished box: the pressed button, or the button closing it stands for
// (OK for the OK styles, No for Yes/No) when it was closed otherwise.
int MessageBoxResult(const QMessageBox& box);

// The button of a box for MB_RESULT_OK, MB_RESULT_YES or MB_RESULT_NO; null when it has none.
QAbstractButton* MessageBoxButton(const QMessageBox& box, int result);

}  // namespace cinevora
