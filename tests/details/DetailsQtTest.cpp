// One double-click on a real list of the Qt toolkit: the details window comes up with the decoded
// poster, the description and the download links.

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "DetailsProgram.h"
#include "MoviePages.h"
#include "MovieSite.h"
#include "catalogue/MovieList.h"
#include "details/DetailsWindow.h"
#include "platform/codepage/Codepage.h"
#include "platform/inet/CurlInternetService.h"
#include "platform/toolkit/QtToolkit.h"

namespace cinevora::test {
namespace {

// A plain red JPEG, so that a drawn poster is easy to tell from the white box.
std::string RedJpeg() {
  QImage image(80, 120, QImage::Format_RGB32);
  image.fill(Qt::red);
  QByteArray encoded;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG");
  return encoded.toStdString();
}

TEST(DetailsWindowOnScreenTest, DoubleClickedRowShowsPosterDescriptionAndLinks) {
  static int argc = 1;
  static char name[] = "details_qt_test";
  static char* argv[] = {name, nullptr};
  MovieSite site;
  std::unique_ptr<InternetService> inet = MakeCurlInternetService();
  QtToolkit toolkit(argc, argv, *inet);
  DetailsProgram parts(toolkit, *inet, site);
  Program& program = parts.program;

  const std::string poster = RedJpeg();
  ASSERT_FALSE(poster.empty()) << "no JPEG writer";
  site.Put("/poster.jpeg", poster);
  site.Put("/movie/1.htm", MoviePage(Gbk("第一行<br />\r\n第二行"), site.Url("/poster.jpeg"),
                                     DownloadSection({"ed2k://a", "magnet:?b"})));
  toolkit.LoadWindow(MovieListWindow(program));
  AddMovie(toolkit, Gbk("月光 Moonlight"), site.Url("/movie/1.htm"));

  auto* list = qobject_cast<QTreeWidget*>(toolkit.ControlWidget(MAIN_WINDOW, MOVIE_LIST));
  ASSERT_NE(list, nullptr);
  const QPoint row = list->visualItemRect(list->topLevelItem(0)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);

  QWidget* window = toolkit.WindowWidget(DETAILS_WINDOW);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral(u"月光 Moonlight"));
  EXPECT_EQ(window->pos(), QPoint(50, 50));

  QWidget* posterBox = toolkit.ControlWidget(DETAILS_WINDOW, POSTER_BOX);
  ASSERT_NE(posterBox, nullptr);
  EXPECT_EQ(posterBox->geometry(), QRect(0, 0, 262, 400));
  const QImage drawn = posterBox->grab().toImage();
  ASSERT_FALSE(drawn.isNull());
  const QColor centre = drawn.pixelColor(drawn.rect().center());
  EXPECT_GT(centre.red(), 200);
  EXPECT_LT(centre.green(), 60);

  auto* description = qobject_cast<QPlainTextEdit*>(toolkit.ControlWidget(DETAILS_WINDOW, DESCRIPTION_BOX));
  auto* links = qobject_cast<QPlainTextEdit*>(toolkit.ControlWidget(DETAILS_WINDOW, DOWNLOAD_LINK_BOX));
  ASSERT_NE(description, nullptr);
  ASSERT_NE(links, nullptr);
  // The "<br />" line ends in CR LF LF; only the CR LF breaks the line on screen.
  EXPECT_EQ(description->toPlainText(), QStringLiteral(u"第一行\n第二行"));
  EXPECT_EQ(links->toPlainText(), QStringLiteral(u"下载地址1： ed2k://a\n下载地址2： magnet:?b\n"));
  EXPECT_TRUE(description->isReadOnly() && links->isReadOnly());
}

}  // namespace
}  // namespace cinevora::test
