// What the request routine costs over plain libcurl, both against one loopback server:
// - ten sequential WebAccess GETs of a 40 KB GBK page against ten plain libcurl fetches with a
//   fresh easy handle each (at most 1.3 times as long);
// - one 50 MB body through WebAccessBytes against one plain libcurl fetch (at most 1.5 times as
//   long), and its peak memory, measured in a fresh child process (at most 3 times the body).

#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/codepage/Codepage.h"
#include "platform/inet/CurlInternetService.h"
#include "tests/support/LoopbackServer.h"
#include "web/WebAccess.h"

namespace cinevora {
namespace {

constexpr std::size_t PAGE_BYTES = 40 * 1024;
constexpr std::size_t BIG_BYTES = 50 * 1000 * 1000;
constexpr int PAGES_PER_RUN = 10;

// Made-up listing markup in GBK, repeated to `size` bytes.
std::string GbkPage(std::size_t size) {
  const Text block = Gbk("<li><a href=\"/film/2048.html\">远山的灯塔 导演剪辑版</a>"
                         "<span>2026-12-11</span></li>\r\n");
  std::string page;
  while (page.size() < size) page += block;
  page.resize(size);
  return page;
}

testing::LoopbackServer& Server() {
  static testing::LoopbackServer* server = [] {
    auto* s = new testing::LoopbackServer;
    static const std::string page = GbkPage(PAGE_BYTES);
    static const std::string big(BIG_BYTES, 'b');
    s->Get("/page", [](const httplib::Request&, httplib::Response& res) {
      res.set_content(page, "text/html");
    });
    s->Get("/big", [](const httplib::Request&, httplib::Response& res) {
      res.set_content(big, "application/octet-stream");
    });
    return s;
  }();
  return *server;
}

std::size_t AppendTo(char* data, std::size_t, std::size_t size, void* body) {
  static_cast<std::string*>(body)->append(data, size);
  return size;
}

// The plain way: a fresh easy handle, the body appended to a string.
std::string CurlFetch(const std::string& url) {
  std::string body;
  CURL* easy = curl_easy_init();
  curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &AppendTo);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &body);
  curl_easy_perform(easy);
  curl_easy_cleanup(easy);
  return body;
}

void BM_WebAccessTenPages(benchmark::State& state) {
  const auto service = MakeCurlInternetService();
  const std::string url = Server().Url("/page");
  for (auto _ : state) {
    for (int i = 0; i < PAGES_PER_RUN; ++i) {
      if (WebAccess(*service, url).size() != PAGE_BYTES) state.SkipWithError("short page");
    }
  }
}

void BM_CurlTenPages(benchmark::State& state) {
  const std::string url = Server().Url("/page");
  for (auto _ : state) {
    for (int i = 0; i < PAGES_PER_RUN; ++i) {
      if (CurlFetch(url).size() != PAGE_BYTES) state.SkipWithError("short page");
    }
  }
}

void BM_WebAccessBytesBigBody(benchmark::State& state) {
  const auto service = MakeCurlInternetService();
  const std::string url = Server().Url("/big");
  for (auto _ : state) {
    if (WebAccessBytes(*service, url).size() != BIG_BYTES) state.SkipWithError("short body");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(BIG_BYTES));
}

void BM_CurlBigBody(benchmark::State& state) {
  const std::string url = Server().Url("/big");
  for (auto _ : state) {
    if (CurlFetch(url).size() != BIG_BYTES) state.SkipWithError("short body");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(BIG_BYTES));
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// In the child: the growth of the peak resident size over one WebAccessBytes of `url`, in KB.
int MeasurePeakGrowth(const std::string& url) {
  const auto service = MakeCurlInternetService();
  const long before = PeakKilobytes();
  const Bytes body = WebAccessBytes(*service, url);
  const long after = PeakKilobytes();
  std::printf("%zu %ld\n", body.size(), after - before);
  return 0;
}

void ReportPeakMemory(const char* self) {
  const std::string command = std::string(self) + " --peak-growth=" + Server().Url("/big");
  FILE* child = popen(command.c_str(), "r");
  std::size_t size = 0;
  long growthKb = -1;
  if (child == nullptr || std::fscanf(child, "%zu %ld", &size, &growthKb) != 2 || size == 0) {
    std::printf("peak memory: measurement failed\n");
  } else {
    const double ratio = growthKb * 1024.0 / static_cast<double>(size);
    std::printf("WebAccessBytes peak memory growth / body (%zu bytes): %.2f (at most 3.00: %s)\n",
                size, ratio, ratio <= 3.0 ? "met" : "NOT MET");
  }
  if (child != nullptr) pclose(child);
}

// The machine is shared, so the two sides of a comparison run in alternation, round after round,
// and the ratio is that of their median round times: a burst of load hits both alike.
template <typename Ours, typename Plain>
void PrintPairedRatio(const char* what, int rounds, double limit, Ours ours, Plain plain) {
  std::vector<double> oursSeconds, plainSeconds;
  const auto timed = [](auto& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  for (int round = 0; round < rounds; ++round) {
    if (round % 2 == 0) {
      oursSeconds.push_back(timed(ours));
      plainSeconds.push_back(timed(plain));
    } else {
      plainSeconds.push_back(timed(plain));
      oursSeconds.push_back(timed(ours));
    }
  }
  const auto median = [](std::vector<double>& v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
  };
  const double a = median(oursSeconds), b = median(plainSeconds);
  std::printf("%s: %.2f ms / %.2f ms = %.2f (at most %.2f: %s)\n", what, a * 1e3, b * 1e3, a / b,
              limit, a / b <= limit ? "met" : "NOT MET");
}

void PrintRatios() {
  const auto service = MakeCurlInternetService();
  const std::string page = Server().Url("/page");
  const std::string big = Server().Url("/big");
  PrintPairedRatio("ten WebAccess pages / ten libcurl pages", 41, 1.3,
                   [&] { for (int i = 0; i < PAGES_PER_RUN; ++i) benchmark::DoNotOptimize(WebAccess(*service, page)); },
                   [&] { for (int i = 0; i < PAGES_PER_RUN; ++i) benchmark::DoNotOptimize(CurlFetch(page)); });
  PrintPairedRatio("50 MB WebAccessBytes / 50 MB libcurl", 9, 1.5,
                   [&] { benchmark::DoNotOptimize(WebAccessBytes(*service, big)); },
                   [&] { benchmark::DoNotOptimize(CurlFetch(big)); });
}

}  // namespace
}  // namespace cinevora

int main(int argc, char** argv) {
  using namespace cinevora;
  static constexpr char PEAK_FLAG[] = "--peak-growth=";
  if (argc == 2 && std::strncmp(argv[1], PEAK_FLAG, sizeof PEAK_FLAG - 1) == 0) {
    return MeasurePeakGrowth(argv[1] + sizeof PEAK_FLAG - 1);
  }
  curl_global_init(CURL_GLOBAL_DEFAULT);
  // Wall-clock time: the work is split between this thread and the server's.
  BENCHMARK(BM_WebAccessTenPages)->UseRealTime()->Unit(benchmark::kMillisecond);
  BENCHMARK(BM_CurlTenPages)->UseRealTime()->Unit(benchmark::kMillisecond);
  BENCHMARK(BM_WebAccessBytesBigBody)->UseRealTime()->Unit(benchmark::kMillisecond);
  BENCHMARK(BM_CurlBigBody)->UseRealTime()->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  PrintRatios();
  ReportPeakMemory(argv[0]);
  return 0;
}
