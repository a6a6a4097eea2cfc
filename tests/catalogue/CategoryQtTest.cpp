// One full category click on the Qt toolkit: a real worker filling a real QTreeWidget through
// blocking queued calls, and the final message box shown while MainWindow stays usable.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <chrono>
#include <functional>

#include "CatalogueWindow.h"
#include "ListingSite.h"
#include "catalogue/MovieList.h"
#include "platform/codepage/Codepage.h"
#include "platform/drive/Drive.h"
#include "platform/inet/CurlInternetService.h"
#include "platform/skin/SkinLibrary.h"
#include "platform/toolkit/QtText.h"
#include "platform/toolkit/QtToolkit.h"
#include "tests/skin/SkinTestSupport.h"

namespace cinevora::test {
namespace {

using namespace std::chrono_literals;

// Serves the UI thread's events the way the message loop does, waking at once for each queued
// call of the worker (QTest::qWaitFor sleeps between its rounds, which would slow every one of
// the worker's calls down), until `done` holds; false on timeout.
bool ServeUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  QTimer wake;  // ends a wait in which nothing else happens
  wake.start(10);
  const QDeadlineTimer deadline(timeout);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  return true;
}

TEST(CategoryQtTest, FullClickFillsTheListAndLeavesMainWindowUsableUnderTheFinalBox) {
  static int argc = 1;
  static char name[] = "catalogue_qt_test";
  static char* argv[] = {name, nullptr};
  auto inet = MakeCurlInternetService();
  QtToolkit toolkit(argc, argv, *inet);
  skintest::ScratchFolder scratch;
  skintest::InstallSkinLibrary(scratch, CINEVORA_SKIN_LIBRARY_FILE);
  SkinLibrary skin(toolkit, {scratch.Path().string()});
  Drive drive(scratch.Path().string());
  ListingSite site;
  const CategoryEntry& category = CategoryTable()[4];
  site.Serve(category);
  Program program{.toolkit = toolkit,
                  .inet = *inet,
                  .skin = skin,
                  .drive = drive,
                  .addresses = site.Addresses()};
  toolkit.LoadWindow(CatalogueWindow(program));

  auto* button =
      qobject_cast<QAbstractButton*>(toolkit.ControlWidget(MAIN_WINDOW, category.button));
  auto* list = qobject_cast<QTreeWidget*>(toolkit.ControlWidget(MAIN_WINDOW, MOVIE_LIST));
  QWidget* status = toolkit.ControlWidget(MAIN_WINDOW, STATUS_LABEL);
  ASSERT_TRUE(button && list && status);

  button->click();
  EXPECT_FALSE(status->isHidden());
  ASSERT_TRUE(ServeUntil([&] { return toolkit.ShownMessageBox() != nullptr; }, 20s));
  QMessageBox* box = toolkit.ShownMessageBox();
  EXPECT_EQ(box->text(), QString::fromUtf8("双击电影可以查看详情"));

  // The worker waits on the box; the UI thread goes on serving timers and the list.
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(10);
  QTest::qWait(150);
  EXPECT_GE(ticks, 5);
  ASSERT_NE(toolkit.ShownMessageBox(), nullptr);
  EXPECT_TRUE(list->isEnabled());
  EXPECT_TRUE(status->isHidden());

  ASSERT_EQ(list->topLevelItemCount(), 100);
  EXPECT_EQ(list->topLevelItem(0)->text(0), ToQString(EntryTitle(CategoryTag(category), 1, 0)));
  EXPECT_EQ(list->topLevelItem(99)->text(1), ToQString(EntryDate(10, 9)));
  EXPECT_EQ(toolkit.ListGetCell(MAIN_WINDOW, MOVIE_LIST, 42, ADDRESS_COLUMN),
            EntryLink(CategoryTag(category), 5, 2));

  ASSERT_TRUE(toolkit.PressMessageBoxButton(MB_RESULT_OK));
  // The worker returns once its box has answered; give it that moment before the program goes.
  ASSERT_TRUE(ServeUntil([&] { return toolkit.ShownMessageBox() == nullptr; }, 5s));
  QTest::qWait(100);
}

}  // namespace
}  // namespace cinevora::test
