// The demo site must be ready "in well under a second": the in-process Start()/Stop() pair, and
// the cinevora-demo-site program from spawn to its ready line (then stopped with SIGTERM).
// Besides, the cost of serving one listing page (25 entries at most) and one movie page.

#include <benchmark/benchmark.h>
#include <httplib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "DemoSite.h"

extern char** environ;

namespace cinevora::demo {
namespace {

DemoSiteOptions Ephemeral() {
  DemoSiteOptions options;
  options.port = 0;
  options.addresses = {};
  return options;
}

void BM_StartStop(benchmark::State& state) {
  for (auto _ : state) {
    DemoSite site(Ephemeral());
    if (!site.Start()) state.SkipWithError(site.error().c_str());
    site.Stop();
  }
}
BENCHMARK(BM_StartStop)->Unit(benchmark::kMillisecond);

void BM_ProgramReady(benchmark::State& state) {
  for (auto _ : state) {
    int fds[2];
    if (pipe(fds) != 0) return state.SkipWithError("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    char program[] = DEMO_SITE_PROGRAM;
    char portFlag[] = "--port";
    char port[] = "0";
    char* argv[] = {program, portFlag, port, nullptr};
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    FILE* out = fdopen(fds[0], "r");
    char line[256];
    const bool ready = spawned == 0 && std::fgets(line, sizeof line, out) != nullptr;
    state.PauseTiming();
    if (spawned == 0) {
      kill(pid, SIGTERM);
      waitpid(pid, nullptr, 0);
    }
    std::fclose(out);
    state.ResumeTiming();
    if (!ready) return state.SkipWithError("the program printed no ready line");
  }
}
BENCHMARK(BM_ProgramReady)->Unit(benchmark::kMillisecond);

void ServePage(benchmark::State& state, const std::string& path) {
  DemoSite site(Ephemeral());
  if (!site.Start()) return state.SkipWithError(site.error().c_str());
  httplib::Client client("127.0.0.1", site.port());
  client.set_keep_alive(true);
  client.set_tcp_nodelay(true);
  std::size_t bytes = 0;
  for (auto _ : state) {
    httplib::Result res = client.Get(path);
    if (!res || res->status != 200) return state.SkipWithError(("no page " + path).c_str());
    bytes += res->body.size();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void BM_ListingPage(benchmark::State& state) { ServePage(state, "/ys/index_5.htm"); }
BENCHMARK(BM_ListingPage)->Unit(benchmark::kMicrosecond);

void BM_MoviePage(benchmark::State& state) {
  ServePage(state, Catalogue().ListingEntries(0, 5)[0].pagePath);
}
BENCHMARK(BM_MoviePage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace cinevora::demo

BENCHMARK_MAIN();
