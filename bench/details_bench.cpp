// How long the details window keeps the program waiting: one double-click to a filled window on
// the headless toolkit, against a loopback site, for a movie whose download section has links
// (page, poster, page again) and for one whose links sit on a separate download page (two more
// requests). The description is page-sized (about 40 KB of GBK text with the site's markup), so
// the stripping and the blank-line folding are part of the figure.
//
// After the runs the program prints the fallback's cost against the plain case. The fallback adds
// the page once more and a small download page to the page, poster and page of the plain case.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "DetailsProgram.h"
#include "MoviePages.h"
#include "MovieSite.h"
#include "catalogue/MovieList.h"
#include "details/DetailsWindow.h"
#include "platform/codepage/Codepage.h"
#include "platform/inet/CurlInternetService.h"
#include "platform/toolkit/HeadlessToolkit.h"

namespace cinevora::test {
namespace {

Text Description() {
  Text description;
  for (int line = 0; description.size() < 40000; ++line) {
    description += Gbk("<p>&nbsp;&nbsp;第") + std::to_string(line) +
                   Gbk("段：一段关于影片的介绍&middot;拷贝经过修复&hellip;<br />\r\n<br />\r\n</p>\r\n");
  }
  return description;
}

std::map<std::string, double>& Means() {
  static std::map<std::string, double> means;
  return means;
}

void OpenDetails(benchmark::State& state, bool fallback) {
  MovieSite site;
  std::unique_ptr<InternetService> inet = MakeCurlInternetService();
  HeadlessToolkit toolkit(*inet);
  DetailsProgram parts(toolkit, *inet, site);
  site.Put("/poster.jpeg", std::string(30000, 'P'));
  site.Put("/dl/1.htm", "<a href=\"thunder://QUJD\">x</a>");
  const Text rest = fallback ? "<td><a target=\"_blank\" href=\"" + site.Url("/dl/1.htm") +
                                   Gbk("\">点击进入下载地址</a></td>\r\n")
                             : DownloadSection({"ed2k://a", "magnet:?b", "ftp://c"});
  site.Put("/movie/1.htm", MoviePage(Description(), site.Url("/poster.jpeg"), rest));
  toolkit.LoadWindow(MovieListWindow(parts.program));
  toolkit.SelectRow(MAIN_WINDOW, MOVIE_LIST, AddMovie(toolkit, "Film", site.Url("/movie/1.htm")));

  for (auto _ : state) {
    toolkit.DoubleClick(MAIN_WINDOW, MOVIE_LIST);
    state.PauseTiming();
    if (toolkit.GetEditText(DETAILS_WINDOW, DOWNLOAD_LINK_BOX).empty()) state.SkipWithError("no links");
    toolkit.CloseWindow(DETAILS_WINDOW);
    state.ResumeTiming();
  }
}

void BM_OpenDetailsWithSectionLinks(benchmark::State& state) { OpenDetails(state, false); }
void BM_OpenDetailsWithDownloadPage(benchmark::State& state) { OpenDetails(state, true); }
BENCHMARK(BM_OpenDetailsWithSectionLinks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDetailsWithDownloadPage)->Unit(benchmark::kMillisecond);

class Collector : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) Means()[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace
}  // namespace cinevora::test

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  cinevora::test::Collector reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto& means = cinevora::test::Means();
  const double links = means["BM_OpenDetailsWithSectionLinks"];
  const double fallback = means["BM_OpenDetailsWithDownloadPage"];
  if (links > 0) std::printf("download page against section links: %.2f\n", fallback / links);
  benchmark::Shutdown();
  return 0;
}
