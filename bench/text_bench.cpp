// How the text tools compare with glibc's memmem on a listing page the size of a large site
// listing (8 MB) and of an ordinary one (80 KB). The page is made up here: indented markup with
// CR LF line ends and long blank runs, GBK titles, one entry shaped like a listing row.
//
// After the runs the program prints the ratios that matter (1.0 = as fast as the reference):
// FindText against memmem, case-sensitive and ignoring case, ExtractBetweenAll of the titles
// against a memmem loop cutting the same items, and the extraction's throughput on 8 MB against
// 80 KB (below 0.5 would mean something grows faster than the page).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "platform/codepage/Codepage.h"
#include "text/AnsiText.h"
#include "text/ExtractBetweenAll.h"

namespace cinevora {
namespace {

const Text kTitleLeft = ".jpg\" alt=\"";
const Text kTitleRight = "\" width=\"120\" height=\"150\" border=\"0\" ";
const Text kPageEnd = "</body>\r\n</html>\r\n";

Text Blanks(int n) { return Text(static_cast<std::size_t>(n), ' '); }

Text Entry(int number) {
  static const char* const names[] = {"夜航", "北方的河", "雨中的信", "旧城故事", "Silent Harbor",
                                      "第七个冬天", "山那边的灯塔"};
  const Text n = std::to_string(number);
  const Text title = Gbk(std::string(names[number % 7]) + " " + n + "号");
  const Text date = "2026-" + std::to_string(1 + number % 12) + "-" + std::to_string(1 + number % 28);
  return Blanks(20) + "<table width=\"100%\" border=\"0\" cellspacing=\"0\">\r\n" +
         Blanks(23) + "<tbody>\r\n" + Blanks(26) + "<tr>\r\n" + Blanks(28) +
         "<td><a href=\"/movie/" + n + ".htm\" target=\"_blank\"><img src=\"/poster/" + n +
         ".jpg\" alt=\"" + title + kTitleRight + "/></a></td>\r\n" +
         Blanks(28) + "<td>\r\n" + Blanks(24) + "<table>\r\n" +
         Blanks(26) + "<tbody>\r\n" + Blanks(28) + "<tr>\r\n" + Blanks(30) + "<td>" + date +
         "</td>\r\n" + Blanks(28) + "</tr>\r\n" + Blanks(26) + "</tbody>\r\n" + Blanks(24) +
         "</table></td>\r\n" + Blanks(28) + "<td class=\"intro\">" +
         Gbk("◎简介　一段虚构的影片介绍，讲述一个小城里的普通人在漫长冬天里的故事。") +
         "</td>\r\n" + Blanks(26) + "</tr>\r\n" + Blanks(23) + "</tbody>\r\n" + Blanks(20) +
         "</table>\r\n\r\n";
}

Text ListingPage(std::size_t size) {
  Text page = "<html>\r\n<head><title>Listing</title></head>\r\n<body>\r\n";
  for (int number = 1; page.size() < size; ++number) page += Entry(number);
  return page + kPageEnd;
}

const Text& SmallPage() {
  static const Text page = ListingPage(80 * 1024);
  return page;
}

const Text& LargePage() {
  static const Text page = ListingPage(8 * 1024 * 1024);
  return page;
}

std::vector<Text> MemmemTitles(const Text& page) {
  std::vector<Text> titles;
  const char* const begin = page.data();
  const char* const end = begin + page.size();
  const char* from = begin;
  while (true) {
    const void* left = memmem(from, end - from, kTitleLeft.data(), kTitleLeft.size());
    if (left == nullptr) break;
    const char* item = static_cast<const char*>(left) + kTitleLeft.size();
    const void* right = memmem(item, end - item, kTitleRight.data(), kTitleRight.size());
    if (right == nullptr) break;
    titles.emplace_back(item, static_cast<const char*>(right));
    from = static_cast<const char*>(right);
  }
  return titles;
}

void Memmem(benchmark::State& state) {
  const Text& page = LargePage();
  for (auto _ : state) {
    benchmark::DoNotOptimize(memmem(page.data(), page.size(), kPageEnd.data(), kPageEnd.size()));
  }
  state.SetBytesProcessed(state.iterations() * page.size());
}

void FindTextExact(benchmark::State& state) {
  const Text& page = LargePage();
  for (auto _ : state) benchmark::DoNotOptimize(FindText(page, kPageEnd));
  state.SetBytesProcessed(state.iterations() * page.size());
}

void FindTextIgnoringCase(benchmark::State& state) {
  const Text& page = LargePage();
  const Text sought = LowerCase("</BODY>\r\n</HTML>");
  for (auto _ : state) benchmark::DoNotOptimize(FindText(page, sought, 1, true));
  state.SetBytesProcessed(state.iterations() * page.size());
}

void MemmemTitleLoop(benchmark::State& state) {
  const Text& page = LargePage();
  for (auto _ : state) benchmark::DoNotOptimize(MemmemTitles(page));
  state.SetBytesProcessed(state.iterations() * page.size());
}

void ExtractTitles(benchmark::State& state, const Text& page) {
  std::vector<Text> titles;
  for (auto _ : state) {
    ExtractBetweenAll(page, kTitleLeft, kTitleRight, titles);
    benchmark::DoNotOptimize(titles.data());
  }
  state.SetBytesProcessed(state.iterations() * page.size());
}

void ExtractTitlesLarge(benchmark::State& state) { ExtractTitles(state, LargePage()); }
void ExtractTitlesSmall(benchmark::State& state) { ExtractTitles(state, SmallPage()); }

BENCHMARK(Memmem);
BENCHMARK(FindTextExact);
BENCHMARK(FindTextIgnoringCase);
BENCHMARK(MemmemTitleLoop);
BENCHMARK(ExtractTitlesLarge);
BENCHMARK(ExtractTitlesSmall);

// Keeps each run's processor time per page (the machine is shared, so wall time is noisy) so that main can print the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration) seconds_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }

  double Time(const std::string& name) const {
    const auto found = seconds_.find(name);
    return found == seconds_.end() ? 0 : found->second;
  }

 private:
  std::map<std::string, double> seconds_;
};

void PrintRatio(const char* what, double ratio, double floor) {
  std::printf("%-52s %5.2f  (at least %.2f)%s\n", what, ratio, floor, ratio < floor ? "  TOO SLOW" : "");
}

}  // namespace
}  // namespace cinevora

int main(int argc, char** argv) {
  using namespace cinevora;
  if (MemmemTitles(LargePage()) != [] {
        std::vector<Text> titles;
        ExtractBetweenAll(LargePage(), kTitleLeft, kTitleRight, titles);
        return titles;
      }()) {
    std::fprintf(stderr, "text_bench: the two title extractions disagree\n");
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  const double smallBytes = static_cast<double>(SmallPage().size());
  const double largeBytes = static_cast<double>(LargePage().size());
  std::printf("\npage sizes: %.0f and %.0f bytes\n", smallBytes, largeBytes);
  PrintRatio("FindText exact / memmem", reporter.Time("Memmem") / reporter.Time("FindTextExact"), 0.5);
  PrintRatio("FindText ignoring case / memmem",
             reporter.Time("Memmem") / reporter.Time("FindTextIgnoringCase"), 0.25);
  PrintRatio("ExtractBetweenAll titles / memmem loop",
             reporter.Time("MemmemTitleLoop") / reporter.Time("ExtractTitlesLarge"), 0.5);
  PrintRatio("ExtractBetweenAll throughput 8 MB / 80 KB",
             (largeBytes / reporter.Time("ExtractTitlesLarge")) /
                 (smallBytes / reporter.Time("ExtractTitlesSmall")),
             0.5);
  benchmark::Shutdown();
  return 0;
}
