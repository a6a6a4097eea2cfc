#include "platform/toolkit/QtMessageBoxes.h"

#include "platform/toolkit/QtText.h"
#include "platform/toolkit/Toolkit.h"

namespace cinevora {

QMessageBox* NewMessageBox(const Text& text, int style) {
  auto* box = new QMessageBox();
  box->setObjectName(QStringLiteral("cinevora-message-box"));
  box->setWindowTitle(ToQString(Gbk("信息：")));
  box->setTextFormat(Qt::PlainText);
  box->setText(ToQString(text));
  if (style == MB_STYLE_YES_NO_QUESTION) {
    box->setIcon(QMessageBox::Question);
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::Yes);
  } else {
    box->setIcon(style == MB_STYLE_OK_INFORMATION ? QMessageBox::Information : QMessageBox::NoIcon);
    box->setStandardButtons(QMessageBox::Ok);
  }
  return box;
}

int MessageBoxResult(const QMessageBox& box) {
  const bool yesNo = box.button(QMessageBox::Yes) != nullptr;
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
      return MB_RESULT_YES;
    case QMessageBox::No:
      return MB_RESULT_NO;
    case QMessageBox::Ok:
      return MB_RESULT_OK;
    default:
      return yesNo ? MB_RESULT_NO : MB_RESULT_OK;
  }
}

QAbstractButton* MessageBoxButton(const QMessageBox& box, int result) {
  switch (result) {
    case MB_RESULT_OK:
      return box.button(QMessageBox::Ok);
    case MB_RESULT_YES:
      return box.button(QMessageBox::Yes);
    case MB_RESULT_NO:
      return box.button(QMessageBox::No);
    default:
      return nullptr;
  }
}

}  // namespace cinevora
