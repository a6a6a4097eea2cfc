// The re-tint of a category click, which runs on the UI thread while the spinner is meant to
// turn: SkinH_AdjustHSV on a window like MainWindow (seven coloured buttons, a list of 100 rows,
// labels, an edit box), repaint included; and the tint and style-sheet work alone.

#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "platform/skin/SkinExports.h"
#include "platform/skin/SkinFile.h"
#include "platform/skin/SkinStyleSheet.h"
#include "platform/skin/SkinTint.h"

namespace cinevora {
namespace {

// The five category tints, in the order of the button grid.
constexpr SkinTint CATEGORY_TINTS[] = {{150, 100, 0}, {-20, 0, 0}, {30, 0, 0}, {-150, 0, 0}, {-80, 0, 0}};

void BM_TintAndStyleSheet(benchmark::State& state) {
  const auto skin = ReadSkinFile(SKIN_FILE);
  if (!skin) {
    state.SkipWithError("no skin file");
    return;
  }
  std::size_t i = 0;
  for (auto _ : state) {
    const SkinTint tint = CATEGORY_TINTS[i++ % 5];
    benchmark::DoNotOptimize(ApplicationStyleSheet(TintSkin(*skin, tint)));
  }
}
BENCHMARK(BM_TintAndStyleSheet);

void BM_AdjustHsvOnMainWindow(benchmark::State& state) {
  void* library = ::dlopen(SKIN_LIBRARY_BUILT, RTLD_NOW | RTLD_LOCAL);
  const auto attach = reinterpret_cast<SkinAttachExFunction>(::dlsym(library, "SkinH_AttachEx"));
  const auto adjust = reinterpret_cast<SkinAdjustHsvFunction>(::dlsym(library, "SkinH_AdjustHSV"));
  if (attach == nullptr || adjust == nullptr || attach(SKIN_FILE, "") != 1) {
    state.SkipWithError("skin library not usable");
    return;
  }
  QWidget window;
  window.setFixedSize(758, 604);
  for (int i = 0; i < 7; ++i) {
    auto* button = new QPushButton(QString("Category %1").arg(i), &window);
    button->setGeometry((i % 3) * 254, 82 + (i / 3) * 64, 250, 62);
    button->setStyleSheet("QPushButton { background-color: rgb(0, 163, 0); color: white; border: none; }");
  }
  auto* list = new QTreeWidget(&window);
  list->setGeometry(2, 212, 753, 341);
  list->setColumnCount(3);
  list->setHeaderHidden(true);
  list->setStyleSheet("QTreeWidget { color: white; background-color: rgb(0, 163, 0); }");
  for (int row = 0; row < 100; ++row) {
    list->addTopLevelItem(new QTreeWidgetItem({QString("Movie %1").arg(row), "2026-12-11", "/film/"}));
  }
  new QLabel("Label", &window);
  (new QLineEdit(&window))->setGeometry(10, 560, 300, 28);
  window.show();
  QCoreApplication::processEvents();

  std::size_t i = 0;
  for (auto _ : state) {
    const SkinTint tint = CATEGORY_TINTS[i++ % 5];
    adjust(tint.hue, tint.saturation, tint.brightness);
    window.repaint();  // what the user waits for: the window drawn in its new colours
  }
}
BENCHMARK(BM_AdjustHsvOnMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cinevora

int main(int argc, char** argv) {
  // Measured without a screen, so that the figures do not depend on a display server.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
