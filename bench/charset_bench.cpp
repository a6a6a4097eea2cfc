// How much the trip through the text stream costs: ConvertCharset of a 2 MB UTF-8 page against
// one direct ICU conversion of the same bytes (the stream may take at most three times as long),
// and the blank-line replace over a 1 MB description in MB/s.

#include <benchmark/benchmark.h>
#include <unicode/ucnv.h>

#include <malloc.h>

#include <cstdio>
#include <map>
#include <string>

#include "platform/codepage/Codepage.h"
#include "text/RegexObject.h"
#include "web/ConvertCharset.h"

namespace cinevora {
namespace {

// Made-up listing markup in UTF-8, repeated to at least `size` bytes.
Bytes Utf8Page(std::size_t size) {
  const std::string block =
      "<li><a href=\"/film/1024.html\">月光下的旅人 第二季</a><span>2026-12-11</span>\r\n"
      "<p>简介：一位年轻的画家沿着海岸线寻找失落的色彩，遇见了形形色色的人。</p></li>\r\n";
  Bytes page;
  while (page.size() < size) page.insert(page.end(), block.begin(), block.end());
  return page;
}

// A made-up description in GBK with runs of blank lines, repeated to at least `size` bytes.
Text Description(std::size_t size) {
  const Text block = Gbk("◎片名　月光下的旅人\r\n\r\n \r\n◎年代　2026\r\n\t\r\n\r\n◎简介\r\n"
                         "一位年轻的画家沿着海岸线寻找失落的色彩。\r\n");
  Text text;
  while (text.size() < size) text += block;
  return text;
}

const Bytes& Page() {
  static const Bytes page = Utf8Page(2 << 20);
  return page;
}

Bytes DirectIcuConvert(const Bytes& page) {
  // Like ConvertCharset, it hands back bytes of its own: a GBK text is never longer than its
  // UTF-8 form, so one buffer of the input's size holds it.
  Bytes out(page.size());
  UErrorCode status = U_ZERO_ERROR;
  int32_t n = ucnv_convert("GBK", "UTF-8", reinterpret_cast<char*>(out.data()),
                           static_cast<int32_t>(out.size()),
                           reinterpret_cast<const char*>(page.data()),
                           static_cast<int32_t>(page.size()), &status);
  out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(n) : 0);
  return out;
}

// From the first call on, glibc keeps freed memory in the process instead of handing it back to
// the kernel. Without that, glibc hands the top of the heap back whenever a call held more at
// once than its trim threshold, and the next call pays for fresh pages again; the plain runs show
// what the program pays with the allocator as it comes, the "warm heap" runs the conversion work
// alone.
void RetainFreedMemory() {
  static const bool done = [] {
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    return true;
  }();
  (void)done;
}

template <Bytes (*Convert)(const Bytes&), bool WARM_HEAP>
void BM_Convert(benchmark::State& state) {
  if (WARM_HEAP) RetainFreedMemory();
  for (auto _ : state) benchmark::DoNotOptimize(Convert(Page()));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(Page().size()));
}

Bytes ConvertWithDefaults(const Bytes& page) { return ConvertCharset(page); }

void BM_BlankLineReplace(benchmark::State& state) {
  const Text description = Description(1 << 20);
  for (auto _ : state) {
    RegexObject regex;
    regex.Compile("\n\\s*\r", description);
    benchmark::DoNotOptimize(regex.Replace(""));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(description.size()));
}
BENCHMARK(BM_BlankLineReplace)->Unit(benchmark::kMillisecond);


// The console report, plus the CPU time of each benchmark per iteration for the ratio (both run
// on one thread; CPU time stays meaningful while other work shares the machine, wall time does
// not).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      // With --benchmark_repetitions the median stands for the benchmark.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      seconds[run.run_name.str()] = run.GetAdjustedCPUTime();
    }
  }
  std::map<std::string, double> seconds;
};

void PrintRatio(const std::map<std::string, double>& seconds, const std::string& suffix) {
  auto stream = seconds.find("ConvertCharset" + suffix);
  auto direct = seconds.find("DirectIcuConvert" + suffix);
  if (stream == seconds.end() || direct == seconds.end() || direct->second <= 0) return;
  double ratio = stream->second / direct->second;
  std::printf("ConvertCharset / direct ICU conversion%s: %.2f (at most 3.00: %s)\n",
              suffix.c_str(), ratio, ratio <= 3.0 ? "met" : "NOT MET");
}

}  // namespace
}  // namespace cinevora

int main(int argc, char** argv) {
  using namespace cinevora;
  // Registered here, after the blank-line replace, in this order: the warm-heap runs last.
  benchmark::RegisterBenchmark("ConvertCharset", BM_Convert<ConvertWithDefaults, false>)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("DirectIcuConvert", BM_Convert<DirectIcuConvert, false>)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("ConvertCharset/warm_heap", BM_Convert<ConvertWithDefaults, true>)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("DirectIcuConvert/warm_heap", BM_Convert<DirectIcuConvert, true>)
      ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintRatio(reporter.seconds, "");
  PrintRatio(reporter.seconds, "/warm_heap");
  return 0;
}
