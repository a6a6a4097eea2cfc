// MainWindow and PlayerWindow as the Qt toolkit realises them (offscreen): where each control
// sits inside its container and which colours it really draws.

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

#include "app/LoadingSpinner.h"
#include "app/PlayerWindow.h"
#include "app/Program.h"
#include "app/SkinInstaller.h"
#include "app/StartUp.h"
#include "catalogue/MovieList.h"
#include "platform/codepage/Codepage.h"
#include "platform/drive/Drive.h"
#include "platform/inet/CurlInternetService.h"
#include "platform/skin/SkinLibrary.h"
#include "platform/toolkit/QtToolkit.h"
#include "tests/skin/SkinTestSupport.h"
#include "tests/support/LoopbackServer.h"

namespace cinevora::testing {
namespace {

struct Geometry {
  const char* control;
  int left, top, width, height;
};

// One Qt application for the whole binary: the toolkit owns it, and MainWindow stays up for every
// test of the suite.
class QtLayoutTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "app_qt_test";
    static char* argv[] = {name, nullptr};
    scratch_ = new skintest::ScratchFolder;
    server_ = new LoopbackServer;
    server_->Get("/qatrelux.txt", [](const httplib::Request&, httplib::Response& response) {
      response.set_content("1", "text/plain");
    });
    inet_ = MakeCurlInternetService().release();
    toolkit_ = new QtToolkit(argc, argv, *inet_);
    drive_ = new Drive(scratch_->File("drive_c"));
    skin_ = new SkinLibrary(*toolkit_, SkinLibrarySearchFolders(*drive_));
    SiteAddresses addresses = ConfiguredSiteAddresses();
    addresses.updateBase = server_->Url("");
    program_ = new Program{.toolkit = *toolkit_, .inet = *inet_, .skin = *skin_, .drive = *drive_,
                           .addresses = addresses};
    started_ = StartUp(*program_);
  }
  // The toolkit and the skin stay until the process ends, as in the program; the scratch drive C
  // goes (a loaded library may lose its file).
  static void TearDownTestSuite() {
    delete server_;
    delete scratch_;
  }

  void SetUp() override { ASSERT_TRUE(started_); }

  // Draws the window and gives its pixels.
  static QImage Draw(std::string_view window) {
    QWidget* widget = toolkit_->WindowWidget(window);
    widget->show();
    QApplication::processEvents();
    return widget->grab().toImage();
  }

  static void ExpectGeometry(std::string_view window, const Geometry& expected) {
    QWidget* widget = toolkit_->ControlWidget(window, expected.control);
    ASSERT_NE(widget, nullptr) << expected.control;
    EXPECT_EQ(widget->geometry(),
              QRect(expected.left, expected.top, expected.width, expected.height))
        << expected.control;
  }

  // The colour drawn a few pixels inside the control's top-left corner (clear of its caption).
  static Colour ColourInside(const QImage& image, std::string_view window, const char* control) {
    QWidget* widget = toolkit_->ControlWidget(window, control);
    const QPoint at = widget->mapTo(toolkit_->WindowWidget(window), QPoint(4, 4));
    const QColor colour = image.pixelColor(at);
    return Rgb(colour.red(), colour.green(), colour.blue());
  }

  static inline skintest::ScratchFolder* scratch_;
  static inline LoopbackServer* server_;
  static inline InternetService* inet_;
  static inline QtToolkit* toolkit_;
  static inline Drive* drive_;
  static inline SkinLibrary* skin_;
  static inline Program* program_;
  static inline bool started_ = false;
};

TEST_F(QtLayoutTest, MainWindowControlsSitWhereTheLayoutPutsThem) {
  const Geometry layout[] = {
      {"图片框1", -32, 0, 936, 80},   {"标签2", 352, 48, 128, 24},
      {"标签1", 320, 49, 32, 24},     {"图片框2", 80, 40, 56, 40},
      {"超级按钮_最新电影", 0, 82, 250, 62}, {"超级按钮_BD高清", 254, 82, 250, 62},
      {"超级按钮_1018P", 508, 82, 250, 62},  {"超级按钮_720P", 0, 146, 250, 62},
      {"超级按钮_3D", 254, 146, 250, 62},    {"超级按钮_免费云播", 508, 146, 250, 62},
      {"超级列表框1", 2, 212, 753, 341},      {"图片框3", 0, 557, 896, 47},
  };
  for (const Geometry& control : layout) ExpectGeometry(MAIN_WINDOW, control);
  // The spinner lives inside the header picture.
  EXPECT_EQ(toolkit_->ControlWidget(MAIN_WINDOW, SPINNER_LABEL)->parentWidget(),
            toolkit_->ControlWidget(MAIN_WINDOW, "图片框1"));

  QWidget* window = toolkit_->WindowWidget(MAIN_WINDOW);
  EXPECT_EQ(window->windowTitle(), QString("Cinevora v7.0"));
  EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the border is fixed";
}

TEST_F(QtLayoutTest, MainWindowStartsWithHiddenLabelsAndARunningSpinner) {
  EXPECT_TRUE(toolkit_->ControlWidget(MAIN_WINDOW, SPINNER_LABEL)->isHidden());
  EXPECT_TRUE(toolkit_->ControlWidget(MAIN_WINDOW, STATUS_LABEL)->isHidden());
  QTimer* step = toolkit_->ControlTimer(MAIN_WINDOW, STEP_TIMER);
  ASSERT_NE(step, nullptr);
  EXPECT_TRUE(step->isActive());
  EXPECT_EQ(step->interval(), 30);
  QTimer* restart = toolkit_->ControlTimer(MAIN_WINDOW, RESTART_TIMER);
  ASSERT_NE(restart, nullptr);
  EXPECT_FALSE(restart->isActive());
  EXPECT_EQ(toolkit_->ControlWidget(MAIN_WINDOW, SPINNER_LABEL)->font().family(), QString("Setup"));
}

TEST_F(QtLayoutTest, MovieListShowsTwoColumnsWithoutHeader) {
  auto* list = qobject_cast<QTreeWidget*>(toolkit_->ControlWidget(MAIN_WINDOW, MOVIE_LIST));
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->header()->isHidden());
  ASSERT_EQ(list->columnCount(), 3);
  EXPECT_EQ(list->columnWidth(0), 300);
  EXPECT_EQ(list->columnWidth(1), 100);
  EXPECT_EQ(list->columnWidth(2), 0);
  EXPECT_EQ(list->topLevelItemCount(), 0);
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
}

TEST_F(QtLayoutTest, MainWindowDrawsItsColours) {
  // Both labels are shown for the picture (a category run would do the same), then hidden again.
  toolkit_->SetVisible(MAIN_WINDOW, SPINNER_LABEL, true);
  toolkit_->SetVisible(MAIN_WINDOW, STATUS_LABEL, true);
  const QImage image = Draw(MAIN_WINDOW);
  toolkit_->SetVisible(MAIN_WINDOW, SPINNER_LABEL, false);
  toolkit_->SetVisible(MAIN_WINDOW, STATUS_LABEL, false);

  const struct {
    const char* control;
    Colour colour;
  } colours[] = {
      {"超级按钮_BD高清", Rgb(12, 100, 233)}, {"超级按钮_1018P", Rgb(196, 0, 206)},
      {"超级按钮_720P", Rgb(214, 165, 1)},    {"超级按钮_3D", Rgb(0, 163, 0)},
      {"超级按钮_免费云播", Rgb(255, 106, 106)}, {"超级列表框1", kWhite},
      {"标签1", Rgb(8, 168, 218)},            {"标签2", Rgb(8, 168, 218)},
  };
  for (const auto& expected : colours) {
    EXPECT_EQ(ColourInside(image, MAIN_WINDOW, expected.control), expected.colour)
        << expected.control;
  }
}

TEST_F(QtLayoutTest, PlayerWindowLayoutAndColours) {
  ASSERT_TRUE(toolkit_->IsWindowLoaded(MAIN_WINDOW));
  toolkit_->LoadWindow(PlayerWindowDefinition(*program_));
  ASSERT_TRUE(toolkit_->IsWindowLoaded(PLAYER_WINDOW));
  QWidget* window = toolkit_->WindowWidget(PLAYER_WINDOW);
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Cinevora—免费在线云播放器"));

  const Geometry layout[] = {
      {"图片框1", 0, 0, 784, 112}, {"编辑框1", 16, 160, 584, 32}, {"超级按钮_播放", 608, 160, 160, 32}};
  for (const Geometry& control : layout) ExpectGeometry(PLAYER_WINDOW, control);

  const QImage image = Draw(PLAYER_WINDOW);
  EXPECT_EQ(ColourInside(image, PLAYER_WINDOW, "超级按钮_播放"), Rgb(149, 215, 241));
  EXPECT_EQ(ColourInside(image, PLAYER_WINDOW, "编辑框1"), kWhite);
  // The initial content is text in the box, not a placeholder.
  EXPECT_EQ(toolkit_->GetEditText(PLAYER_WINDOW, LINK_BOX),
            Gbk("请在此输入视频链接（thunder、ftp、http、ed2k、magnet、xplan、bt）"));
  ASSERT_TRUE(toolkit_->CloseWindow(PLAYER_WINDOW));
  EXPECT_TRUE(toolkit_->IsWindowLoaded(MAIN_WINDOW));
}

}  // namespace
}  // namespace cinevora::testing
