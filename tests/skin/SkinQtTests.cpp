// The skin library in a real (offscreen) QApplication, and the embedded font and pictures as Qt
// reads them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QFontDatabase>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRawFont>
#include <QWidget>

#include <memory>
#include <thread>

#include "platform/skin/SkinLibrary.h"
#include "platform/skin/SkinTint.h"
#include "platform/toolkit/HeadlessToolkit.h"
#include "resources/Resources.h"
#include "SkinTestSupport.h"
#include "tests/toolkit/NoNetwork.h"

namespace cinevora {
namespace {

QByteArray Embedded(const char* name) {
  const auto bytes = ResourceBytes(name);
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

QColor Q(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

const Colour SKIN_WINDOW = Rgb(0xF4, 0xF8, 0xFB);  // the embedded skin's window background
const Colour SKIN_HIGHLIGHT = Rgb(8, 168, 218);
const Colour SKIN_TEXT = Rgb(0x1F, 0x2B, 0x36);
const Colour BUTTON = Rgb(218, 84, 45);             // a coloured button's own colour

class SkinQtTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "skin_qt_test";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  static void TearDownTestSuite() { app_.reset(); }

  // The built library under its program name and the embedded skin, in a fresh folder.
  void SetUp() override {
    skintest::InstallSkinLibrary(folder_, SKIN_LIBRARY_BUILT);
    skintest::WriteBytes(folder_.File("win8.she"), Embedded("SkinFileImage").toStdString());
  }

  static std::unique_ptr<QApplication> app_;
  test::NoNetwork inet_;
  HeadlessToolkit toolkit_{inet_};
  skintest::ScratchFolder folder_;
  SkinLibrary skin_{toolkit_, {folder_.Path().string()}};
};
std::unique_ptr<QApplication> SkinQtTest::app_;

QColor PixelAt(QWidget& widget, QPoint point) { return widget.grab().toImage().pixelColor(point); }

TEST_F(SkinQtTest, AttachSkinsThePaletteAndAdjustRetintsItButNotExplicitColours) {
  QWidget window;
  window.resize(300, 120);
  auto* button = new QPushButton("3D", &window);
  button->setGeometry(10, 10, 120, 40);
  button->setStyleSheet("QPushButton { background-color: rgb(218, 84, 45); color: white; border: none; }");
  auto* edit = new QLineEdit(&window);
  edit->setGeometry(10, 60, 120, 30);
  window.show();
  const QPoint buttonMiddle(20, 20), windowCorner(250, 100), editInside(100, 75);

  ASSERT_EQ(skin_.AttachEx(folder_.File("win8.she"), ""), 1);
  EXPECT_EQ(QApplication::palette().color(QPalette::Window), Q(SKIN_WINDOW));
  EXPECT_EQ(QApplication::palette().color(QPalette::Highlight), Q(SKIN_HIGHLIGHT));
  EXPECT_TRUE(qApp->styleSheet().contains("QScrollBar"));
  EXPECT_EQ(PixelAt(window, windowCorner), Q(SKIN_WINDOW));
  EXPECT_EQ(PixelAt(window, buttonMiddle), Q(BUTTON));
  EXPECT_EQ(PixelAt(window, editInside), Qt::white);  // the skin's edit background

  ASSERT_EQ(skin_.AdjustHSV(120, 90, 40), 1);
  const SkinTint tint{120, 90, 40};
  EXPECT_EQ(QApplication::palette().color(QPalette::Window), Q(TintColour(SKIN_WINDOW, tint)));
  EXPECT_EQ(QApplication::palette().color(QPalette::Highlight), Q(TintColour(SKIN_HIGHLIGHT, tint)));
  EXPECT_NE(TintColour(SKIN_HIGHLIGHT, tint), SKIN_HIGHLIGHT);
  EXPECT_EQ(QApplication::palette().color(QPalette::WindowText), Q(SKIN_TEXT));  // text untinted
  EXPECT_EQ(PixelAt(window, windowCorner), Q(TintColour(SKIN_WINDOW, tint)));
  EXPECT_EQ(PixelAt(window, buttonMiddle), Q(BUTTON));  // the button's own colour stays

  // The same tint again (a category clicked twice) is left as it is; the skin's own colours come
  // back with a tint of nothing.
  const QString tintedSheet = qApp->styleSheet();
  ASSERT_EQ(skin_.AdjustHSV(120, 90, 40), 1);
  EXPECT_EQ(qApp->styleSheet(), tintedSheet);
  EXPECT_EQ(PixelAt(window, windowCorner), Q(TintColour(SKIN_WINDOW, tint)));
  ASSERT_EQ(skin_.AdjustHSV(0, 0, 0), 1);
  EXPECT_NE(qApp->styleSheet(), tintedSheet);
  EXPECT_EQ(PixelAt(window, windowCorner), Q(SKIN_WINDOW));
}

TEST_F(SkinQtTest, ACallFromAWorkerReachesTheWindowsThroughTheUiThread) {
  ASSERT_EQ(skin_.AttachEx(folder_.File("win8.she"), ""), 1);
  std::thread worker([this] { skin_.AdjustHSV(-80, 0, 0); });
  worker.join();
  // Queued, so it has not happened yet: the UI thread (this one) has not run its events.
  EXPECT_EQ(QApplication::palette().color(QPalette::Highlight), Q(SKIN_HIGHLIGHT));
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::palette().color(QPalette::Highlight),
            Q(TintColour(SKIN_HIGHLIGHT, {-80, 0, 0})));
}

TEST_F(SkinQtTest, SpinnerFontIsSetupWithAVisibleFrameAtEveryCode) {
  const QByteArray font = Embedded("SpinnerFont");
  const int id = QFontDatabase::addApplicationFontFromData(font);
  ASSERT_GE(id, 0);
  EXPECT_TRUE(QFontDatabase::applicationFontFamilies(id).contains("Setup"));
  QFontDatabase::removeApplicationFont(id);

  const QRawFont raw(font, 16);
  ASSERT_TRUE(raw.isValid());
  EXPECT_TRUE(raw.supportsCharacter(QChar(0x20)));
  EXPECT_TRUE(raw.supportsCharacter(QChar(0x0D)));
  for (char16_t code = 0xE052; code <= 0xE0CB; ++code) {
    SCOPED_TRACE(static_cast<int>(code));
    ASSERT_TRUE(raw.supportsCharacter(QChar(code)));
    // Drawn at 16 px, white on the header blue, as the spinner label draws it.
    QImage frame(20, 20, QImage::Format_RGB32);
    frame.fill(QColor(8, 168, 218));
    {
      QPainter painter(&frame);
      painter.setRenderHint(QPainter::Antialiasing);
      const quint32 glyph = raw.glyphIndexesForString(QString(QChar(code))).value(0);
      painter.fillPath(raw.pathForGlyph(glyph).translated(2, 16), Qt::white);
    }
    int bright = 0;
    for (int y = 0; y < frame.height(); ++y) {
      for (int x = 0; x < frame.width(); ++x) bright += qRed(frame.pixel(x, y)) > 160 ? 1 : 0;
    }
    EXPECT_GE(bright, 8);  // a shape, not a speck
  }
}

TEST_F(SkinQtTest, PicturesDecode) {
  const struct {
    const char* name;
    QSize size;
  } cases[] = {{"MainHeader", {427, 22}}, {"MainBadge", {63, 41}}, {"MainFooter", {1353, 105}},
               {"PlayerBanner", {865, 130}}, {"DefaultPoster", {213, 160}}};
  for (const auto& c : cases) {
    EXPECT_EQ(QImage::fromData(Embedded(c.name)).size(), c.size) << c.name;
  }
}

}  // namespace
}  // namespace cinevora
